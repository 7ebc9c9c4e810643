// TCreateParams: everything CreateWindowExA needs to make a control's window, filled in by the control's
// virtual CreateParams (each class adds its styles to its parent class's).
#pragma once

#include <windows.h>

#include <string>

struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    void* Param = nullptr; // the creation parameter (CREATESTRUCT::lpCreateParams)
    HMENU Menu = nullptr;  // a top-level window's menu bar (child windows get a control id instead)

    // The window class: registered under WinClassName on first use. When SystemClassName names a system
    // control ("EDIT", "SysListView32"), the class is a superclass of it: the system's window procedure does
    // the default processing of every message the control does not handle itself.
    std::string WinClassName;
    std::string SystemClassName;
    UINT ClassStyle = CS_DBLCLKS;
    LPCSTR ClassCursor = IDC_ARROW; // a system cursor id
};
