// The helpers of Vskpublic.h that work on controls, forms and windows rather than on bitmaps.
#include "skin/themes/Vskpublic.h"

#include "framework/win/forms/Application.h"
#include "framework/win/forms/Form.h"
#include "framework/win/forms/Screen.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/ColorConversion.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/HandleOwners.h"
#include "framework/win/graphics/ScopedGuards.h"

namespace {

void FrameWith(HDC DC, const TRect& Rect, TColor Color) {
    const TBrushHandle Brush(::CreateSolidBrush(ColorToRGB(Color)));
    ::FrameRect(DC, &Rect, Brush.Get());
}

bool IsMDIFrame(const TCustomForm& Form) {
    return Form.FormStyle() == fsMDIForm;
}

} // namespace

void DoTrans(TCanvas& Canvas, const TControl& Control) {
    TWinControl* Parent = Control.Parent();
    if (!Parent) return;
    const HDC DC = Canvas.Handle();
    const TOriginClipGuard Saved(DC);
    POINT Origin;
    ::GetViewportOrgEx(DC, &Origin);
    ::SetViewportOrgEx(DC, Origin.x - Control.Left(), Origin.y - Control.Top(), nullptr);
    ::IntersectClipRect(DC, 0, 0, Parent->ClientWidth(), Parent->ClientHeight());
    Parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), 0);
    Parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
}

void PaintControlBackground(TCanvas& Canvas, const TControl& Control, bool SeeThrough) {
    if (SeeThrough && Control.Parent()) {
        DoTrans(Canvas, Control);
        return;
    }
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(Control.Color());
    Canvas.FillRect(Control.ClientRect());
}

void SetWinControlTransparent(TWinControl& Control) {
    TControlStyle Style = Control.ControlStyle();
    Control.SetControlStyle(Style.Exclude(csOpaque));
    const HWND Window = Control.Handle();
    ::SetWindowLongPtrA(Window, GWL_EXSTYLE, ::GetWindowLongPtrA(Window, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
}

void DrawControlBorder(TWinControl& Control, TColor BorderColor, TColor InnerColor, bool DrawInner) {
    const TWindowDC DC(Control.Handle(), TWindowDC::waWholeWindow);
    RECT Window;
    ::GetWindowRect(Control.Handle(), &Window);
    TRect Frame(0, 0, Window.right - Window.left, Window.bottom - Window.top);
    FrameWith(DC.Handle(), Frame, BorderColor);
    if (!DrawInner) return;
    ::InflateRect(&Frame, -1, -1);
    FrameWith(DC.Handle(), Frame, InnerColor);
}

void PlaceControl(TControl& Control, const TPoint& Point) {
    Control.SetLeft(Point.x);
    Control.SetTop(Point.y);
}

void PlaceControl(TControl& Control, const TRect& Rect) {
    Control.SetLeft(Rect.left);
    Control.SetTop(Rect.top);
    Control.SetWidth(Rect.Width());
    Control.SetHeight(Rect.Height());
}

TRect GetWorkAreaRect() {
    if (Application && Application->MainForm()) return Screen->MonitorWorkAreaRect(Application->MainForm()->Handle());
    RECT Area;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &Area, 0);
    return Area;
}

bool FormHasFocus(TCustomForm* Form) {
    TCustomForm* Main = Application ? Application->MainForm() : nullptr;
    if (!Main) return Form && Form->Active();
    if (IsMDIFrame(*Main) && Form == Main) return true;
    if (!Application->Active()) return false;
    if (!Form || Form == Main) return true;
    if (IsMDIFrame(*Main) && Form->HandleAllocated()) {
        const auto Active = reinterpret_cast<HWND>(::SendMessageA(Main->ClientHandle(), WM_MDIGETACTIVE, 0, 0));
        if (Active && Active == Form->Handle()) return true;
    }
    return Form->Active();
}
