// Keyboard routing of a windowed control: the key events of the focused control (its form, when it previews
// keys, sees them first), and what becomes of the keys and characters the control does not keep: menu
// shortcuts, dialog keys and accelerators of its form.
#include "framework/win/windowing/WinControl.h"

#include "framework/win/forms/Form.h"
#include "framework/win/menus/MenuLinks.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {
// How the application's first offer of a key message (CN_...) goes on when the focused control does not keep
// the key: menu shortcuts may take key presses first, and the form hears FormMsg (none: the form hears nothing).
struct TKeyRoute {
    UINT Msg;
    bool MenuKeys;
    UINT FormMsg;
};
constexpr TKeyRoute KeyRoutes[] = {
    {CN_KEYDOWN, true, CM_DIALOGKEY},
    {CN_SYSKEYDOWN, true, 0},
    {CN_CHAR, false, CM_DIALOGCHAR},
    {CN_SYSCHAR, false, CM_DIALOGCHAR},
};

// The keys that move the focus or press the default and cancel buttons, and the WM_GETDLGCODE answer by which
// a control keeps them for itself. Every other key the control always keeps.
constexpr std::pair<WPARAM, UINT> DialogKeys[] = {
    {VK_TAB, DLGC_WANTTAB},         {VK_LEFT, DLGC_WANTARROWS},     {VK_RIGHT, DLGC_WANTARROWS},
    {VK_UP, DLGC_WANTARROWS},       {VK_DOWN, DLGC_WANTARROWS},     {VK_RETURN, DLGC_WANTALLKEYS},
    {VK_EXECUTE, DLGC_WANTALLKEYS}, {VK_ESCAPE, DLGC_WANTALLKEYS}, {VK_CANCEL, DLGC_WANTALLKEYS},
};
} // namespace

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) {
    OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift) {
    OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char& Key) {
    OnKeyPress(this, Key);
}

void TWinControl::WMKey(TMessage& Message) {
    if (!DoKey(Message)) DefaultHandler(Message);
}

// True when the key is used up: the previewing form or the control's handlers swallowed it (set it to 0).
// Otherwise the message goes on with the key as the handlers left it.
bool TWinControl::DoKey(TMessage& Message) {
    TCustomForm* Form = GetParentForm();
    if (Form && Form != this && Form->KeyPreview() && Form->DoKey(Message)) return true;
    const WPARAM Key = KeyEvent(Message);
    if (Key == 0) return true;
    Message.WParam = Key;
    return false;
}

// WM_CHAR is a character for KeyPress; the other key messages are virtual keys for KeyDown and KeyUp.
WPARAM TWinControl::KeyEvent(const TMessage& Message) {
    if (Message.Msg == WM_CHAR) {
        char Key = static_cast<char>(Message.WParam);
        KeyPress(Key);
        return static_cast<unsigned char>(Key);
    }
    auto Key = static_cast<WORD>(Message.WParam);
    const TShiftState Shift = KeyDataToShiftState(Message.LParam);
    if (Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN)
        KeyDown(Key, Shift);
    else
        KeyUp(Key, Shift);
    return Key;
}

bool TWinControl::IsMenuKey(const TMessage& Message) {
    for (TControl* Control = this; Control; Control = Control->Parent())
        if (auto* Menu = dynamic_cast<TPopupMenuLink*>(Control->PopupMenu()); Menu && Menu->IsShortCut(Message))
            return true;
    TCustomForm* Form = GetParentForm();
    return Form && Form->IsShortCut(Message);
}

// Result 1 tells the message loop that the key was used here and goes no further.
void TWinControl::CNKey(TMessage& Message) {
    const auto* Route = std::find_if(std::begin(KeyRoutes), std::end(KeyRoutes),
                                     [&Message](const TKeyRoute& Each) { return Each.Msg == Message.Msg; });
    TCustomForm* Form = GetParentForm();
    Message.Result = (Route->MenuKeys && IsMenuKey(Message)) ||
                     (Route->FormMsg != 0 && !KeepsKey(Message) && Form &&
                      Form->Perform(Route->FormMsg, Message.WParam, Message.LParam) != 0);
}

// A control keeps a dialog key it asks for (CM_WANTSPECIALKEY, WM_GETDLGCODE) and characters when it takes
// them; Alt+letter always goes to the form's accelerators, anywhere on the form, except Alt+Space, which stays
// the system menu.
bool TWinControl::KeepsKey(const TMessage& Message) {
    switch (Message.Msg) {
    case CN_KEYDOWN: {
        const auto* Dialog = std::find_if(std::begin(DialogKeys), std::end(DialogKeys),
                                          [&Message](const auto& Each) { return Each.first == Message.WParam; });
        return Dialog == std::end(DialogKeys) || Perform(CM_WANTSPECIALKEY, Message.WParam, Message.LParam) != 0 ||
               (Perform(WM_GETDLGCODE) & Dialog->second) != 0;
    }
    case CN_CHAR: return (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) != 0;
    case CN_SYSCHAR: return Message.WParam == VK_SPACE;
    default: return true;
    }
}
