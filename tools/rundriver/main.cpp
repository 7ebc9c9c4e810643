// rundriver: runs the program once without a user, for `make run` on a machine without a display.
//
//   rundriver PROGRAM.exe SCREENSHOT.bmp
//
// Starts PROGRAM in its own folder, waits for its main window, takes what the screen shows of that window, then
// closes the window the way a user does (WM_CLOSE) and answers the program's "Confirmation" box with Yes. Once the
// program has ended with the exit code 0, the picture is written as a 24-bit BMP. Exit 0 when all of it went so; 1, with a line on
// stderr and no picture, otherwise.
#include "framework/core/Exceptions.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/DeviceContexts.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

constexpr DWORD PollInterval = 100;    // ms between looks for a window
constexpr DWORD WindowTimeout = 60000; // the first start under Wine may set up its prefix
constexpr DWORD SettleTime = 1500;     // lets the window finish painting before the picture is taken
constexpr DWORD ConfirmationTimeout = 10000;
constexpr DWORD ExitTimeout = 10000;
constexpr const char* ConfirmationCaption = "Confirmation";
constexpr const char* DialogClass = "#32770";

struct THandleCloser {
    void operator()(HANDLE Handle) const { ::CloseHandle(Handle); }
};
using TKernelHandle = std::unique_ptr<void, THandleCloser>;

struct TWindowSearch {
    DWORD Process;
    const char* ClassName; // null: any unowned top-level window
    const char* Caption;
    HWND Found;
};

BOOL CALLBACK MatchWindow(HWND Window, LPARAM Param) {
    auto& Search = *reinterpret_cast<TWindowSearch*>(Param);
    DWORD Process = 0;
    ::GetWindowThreadProcessId(Window, &Process);
    if (Process != Search.Process || !::IsWindowVisible(Window)) return TRUE;
    char Text[256] = "";
    if (Search.ClassName) {
        ::GetClassNameA(Window, Text, sizeof Text);
        if (std::string(Text) != Search.ClassName) return TRUE;
        ::GetWindowTextA(Window, Text, sizeof Text);
        if (std::string(Text) != Search.Caption) return TRUE;
    } else if (::GetWindow(Window, GW_OWNER)) {
        return TRUE;
    }
    Search.Found = Window;
    return FALSE;
}

// Waits for a visible top-level window of the process; null when the time runs out or the process ends.
HWND WaitForWindow(HANDLE Process, DWORD ProcessId, const char* ClassName, const char* Caption, DWORD Timeout) {
    for (DWORD Waited = 0; Waited < Timeout; Waited += PollInterval) {
        TWindowSearch Search{ProcessId, ClassName, Caption, nullptr};
        ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&Search));
        if (Search.Found) return Search.Found;
        if (::WaitForSingleObject(Process, PollInterval) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
}

// What the screen shows of the window now, as a 24-bit picture; empty when the window has no area.
std::unique_ptr<TBitmap> WindowPicture(HWND Window) {
    RECT Rect;
    ::GetWindowRect(Window, &Rect);
    auto Picture = std::make_unique<TBitmap>(Rect.right - Rect.left, Rect.bottom - Rect.top);
    if (Picture->Empty()) return Picture;
    TWindowDC Screen(nullptr);
    ::BitBlt(Picture->Canvas().Handle(), 0, 0, Picture->Width(), Picture->Height(), Screen.Handle(), Rect.left,
             Rect.top, SRCCOPY);
    return Picture;
}

int Fail(const char* Message, const std::string& Detail = "") {
    std::fprintf(stderr, "rundriver: %s%s\n", Message, Detail.c_str());
    return ExitFailed;
}

} // namespace

int main(int argc, char** argv) {
    constexpr int ExpectedArgs = 3;
    if (argc != ExpectedArgs) {
        std::fputs("usage: rundriver PROGRAM.exe SCREENSHOT.bmp\n", stderr);
        return ExitUsage;
    }
    const std::string Program = argv[1];
    const std::string Screenshot = argv[2];
    const std::size_t Slash = Program.find_last_of("\\/");
    const std::string Folder = Slash == std::string::npos ? std::string(".") : Program.substr(0, Slash + 1);

    STARTUPINFOA Startup{};
    Startup.cb = sizeof Startup;
    PROCESS_INFORMATION Started{};
    std::vector<char> CommandLine(Program.begin(), Program.end());
    CommandLine.push_back('\0');
    if (!::CreateProcessA(Program.c_str(), CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, Folder.c_str(),
                          &Startup, &Started))
        return Fail("cannot start ", Program);
    const TKernelHandle Process(Started.hProcess);
    const TKernelHandle Thread(Started.hThread);

    const HWND Main = WaitForWindow(Process.get(), Started.dwProcessId, nullptr, nullptr, WindowTimeout);
    if (!Main) return Fail("the program showed no window");
    ::WaitForInputIdle(Process.get(), SettleTime);
    ::Sleep(SettleTime);
    std::unique_ptr<TBitmap> Picture;
    try {
        Picture = WindowPicture(Main);
    } catch (const Exception& E) {
        return Fail("cannot take the window's picture: ", E.Message());
    }
    if (Picture->Empty()) return Fail("cannot take the window's picture");

    ::PostMessageA(Main, WM_CLOSE, 0, 0);
    const HWND Confirmation =
        WaitForWindow(Process.get(), Started.dwProcessId, DialogClass, ConfirmationCaption, ConfirmationTimeout);
    if (!Confirmation) return Fail("closing asked no confirmation");
    ::PostMessageA(Confirmation, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(Confirmation, IDYES)));
    if (::WaitForSingleObject(Process.get(), ExitTimeout) != WAIT_OBJECT_0)
        return Fail("the program did not end after Yes");
    // A program that crashes on its way out (after its window has gone) ends with the fault's code.
    DWORD ExitCode = 0;
    if (!::GetExitCodeProcess(Process.get(), &ExitCode) || ExitCode != 0)
        return Fail("the program ended with the code ", std::to_string(ExitCode));
    // Written only now, so that a screenshot means the whole run went as it should.
    try {
        Picture->SaveToFile(Screenshot);
    } catch (const Exception& E) {
        return Fail("cannot write ", Screenshot + ": " + E.Message());
    }
    return ExitOk;
}
