#include "app/CLCommandLine.h"
#include "app/Main.h"

#include <windows.h>

#include <cstdlib>

// --export and --import work without a window; anything else opens it.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const int nExit = RunCommandLine(__argc, __argv, nullptr);
    return nExit >= 0 ? nExit : RunProgram();
}
