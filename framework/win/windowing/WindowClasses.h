// Registration of the window classes of controls, including superclasses of the system's controls.
#pragma once

#include "framework/win/windowing/CreateParams.h"

#include <windows.h>

// Registers Params' window class once per process, with WndProc as its window procedure, and returns the
// procedure that does the class's default message processing: DefWindowProcA for a class of our own, the
// system control's own procedure for a superclass. Raises EOutOfResources when the system refuses and
// EInvalidOperation when the system class does not exist.
WNDPROC RegisterControlClass(const TCreateParams& Params, WNDPROC WndProc);

// The module whose windows these are.
HINSTANCE ProgramInstance();
