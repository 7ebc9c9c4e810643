#include "framework/win/windowing/CommonControlsInit.h"

#include <commctrl.h>

void InitCommonControlClasses(DWORD Classes) {
    static DWORD Registered = 0;
    if ((Registered & Classes) == Classes) return;
    INITCOMMONCONTROLSEX Init{sizeof(Init), Classes};
    if (::InitCommonControlsEx(&Init)) Registered |= Classes;
}
