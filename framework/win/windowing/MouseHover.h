// Which control the mouse pointer is over. When the pointer moves from one control to another, windowed or
// graphic, the control it left gets CM_MOUSELEAVE and the control it entered CM_MOUSEENTER, each with the
// control itself as LParam. Windows tell us the pointer left them through WM_MOUSELEAVE (TrackMouseEvent).
#pragma once

class TControl;
class TWinControl;

class TMouseHover {
public:
    static TControl* Current();
    // The pointer is over Control now (null: over none of ours).
    static void MovedOver(TControl* Control);
    // The pointer left Window: so it left Window or the graphic child of Window it was over.
    static void LeftWindow(TWinControl* Window);
    // Control is being destroyed: it is over nothing any more, and nobody is told.
    static void Forget(TControl* Control);
};
