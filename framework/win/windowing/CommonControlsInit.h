// The system's common controls (list view, status bar, tool bar) exist as window classes only after
// InitCommonControlsEx has registered them: every control over one asks for its classes before it makes its
// window, so nothing depends on the program having initialised them itself.
#pragma once

#include <windows.h>

// Registers the ICC_ classes in Classes with the system (once per process and class).
void InitCommonControlClasses(DWORD Classes);
