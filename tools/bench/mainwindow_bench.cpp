// Measures the skinned main window against what the platform alone costs:
//   - start-up to the first complete paint with 0, 1,000 and 10,000 commands in the history, next to a bare
//     window holding a plain report list view filled with the same rows;
//   - one full repaint of the window (every child), next to one BitBlt of the whole client area;
//   - one character typed into the editor until the preview has repainted, next to one BitBlt of the
//     preview's area.
// Figures are medians; the ratios are what to compare with the targets printed beside them. Run with
// `make bench`; the history file is written beside this program.
#include "app/CLCmdMgr.h"
#include "app/Main.h"
#include "framework/core/ClassInfo.h"
#include "framework/win/forms/Application.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/OffscreenBuffer.h"
#include "framework/win/windowing/WindowHandle.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kHistorySizes[] = {0, 1000, 10000};
constexpr int kStartRuns = 5;
constexpr int kPaintRuns = 101;
constexpr int kBreakdownRuns = 21;
constexpr int kClientWidth = 794;
constexpr int kClientHeight = 610;
constexpr int kCommandColumnWidth = 560;
constexpr int kStampColumnWidth = 150;
constexpr double kStartTarget = 1.5;    // times the bare window, at 10,000 commands
constexpr double kRepaintTargetMs = 16; // milliseconds
constexpr double kKeystrokeTarget = 3;  // times the BitBlt of the preview's area

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point Start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - Start).count();
}

// The median of Runs timings of Work, after one run that fills the caches.
double MedianMs(int Runs, const std::function<void()>& Work) {
    Work();
    std::vector<double> Times;
    for (int Run = 0; Run < Runs; ++Run) {
        const Clock::time_point Start = Clock::now();
        Work();
        ::GdiFlush();
        Times.push_back(Milliseconds(Start));
    }
    std::sort(Times.begin(), Times.end());
    return Times[Times.size() / 2];
}

std::string CommandText(int Index) {
    return "CALL PGM(MYLIB/PROGRAM" + std::to_string(Index) + ") PARM('VALUE')";
}

void WriteHistory(int Count) {
    CLCmdMgr Store;
    Store.Clear();
    for (int Index = 0; Index < Count; ++Index) {
        CLCmd Cmd = {};
        std::strncpy(Cmd.szCmd, CommandText(Index).c_str(), sizeof(Cmd.szCmd) - 1);
        Store.StampNow(&Cmd);
        Store.AddCmd(&Cmd);
    }
    Store.Save();
}

// Everything the window shows is painted before this returns.
void PaintNow(HWND Window) {
    ::RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ::GdiFlush();
}

double SkinnedStartMs() {
    return MedianMs(kStartRuns, [] {
        auto* Form = Application->CreateForm<TfmMain>();
        Form->Show();
        PaintNow(Form->Handle());
        delete Form;
        Application->ProcessMessages();
    });
}

// The reference: a window of the system's static class (no window procedure of ours) holding a report list
// view with the history's two columns and rows, shown.
struct TBareWindow {
    TWindowHandle Frame;
    HWND List = nullptr;

    explicit TBareWindow(int Count) {
        Frame.Adopt(::CreateWindowExA(0, "STATIC", "bare", WS_OVERLAPPEDWINDOW, 0, 0, kClientWidth, kClientHeight,
                                      nullptr, nullptr, nullptr, nullptr));
        List = ::CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 24, 156, 745,
                                 135, Frame.Get(), nullptr, nullptr, nullptr);
        AddColumn(0, "CL Command", kCommandColumnWidth);
        AddColumn(1, "Last Access Time", kStampColumnWidth);
        for (int Index = Count - 1; Index >= 0; --Index) {
            std::string Text = CommandText(Index);
            LVITEMA Item = {};
            Item.mask = LVIF_TEXT;
            Item.iItem = Count - 1 - Index;
            Item.pszText = Text.data();
            const auto Row = static_cast<int>(::SendMessageA(List, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&Item)));
            Item.iSubItem = 1;
            Item.pszText = const_cast<char*>("12/09/2026 06:00:00");
            ::SendMessageA(List, LVM_SETITEMTEXTA, Row, reinterpret_cast<LPARAM>(&Item));
        }
        ::ShowWindow(Frame.Get(), SW_SHOW);
        PaintNow(Frame.Get());
    }
    void AddColumn(int Index, const char* Caption, int Width) const {
        LVCOLUMNA Column = {};
        Column.mask = LVCF_TEXT | LVCF_WIDTH;
        Column.pszText = const_cast<char*>(Caption);
        Column.cx = Width;
        ::SendMessageA(List, LVM_INSERTCOLUMNA, Index, reinterpret_cast<LPARAM>(&Column));
    }
};

double BareStartMs(int Count) {
    return MedianMs(kStartRuns, [Count] { const TBareWindow Bare(Count); });
}

// One BitBlt of Width x Height onto the screen where Window's client area is. (A window's own DC would not
// do: the window's children clip it, and a blit onto a clipped-out area costs nothing.)
double BitBltMs(HWND Window, int Width, int Height) {
    const TOffscreenBuffer Source(nullptr, Width, Height);
    const TWindowDC Screen(nullptr);
    POINT Origin = {0, 0};
    ::ClientToScreen(Window, &Origin);
    return MedianMs(kPaintRuns, [&] {
        ::BitBlt(Screen.Handle(), Origin.x, Origin.y, Width, Height, Source.DC(), 0, 0, SRCCOPY);
    });
}

// Where a full repaint's time goes: each child of the skinned form repainted alone, with its own children.
void RepaintBreakdown(TWinControl& Skin) {
    for (int Index = 0; Index < Skin.ControlCount(); ++Index) {
        auto* Child = dynamic_cast<TWinControl*>(Skin.Controls(Index));
        if (!Child || !Child->Visible()) continue;
        const double Ms = MedianMs(kBreakdownRuns, [&] { PaintNow(Child->Handle()); });
        std::printf("    %-40s %10.3f\n", (Child->Name() + " (" + Child->ClassInfo().Name() + ")").c_str(), Ms);
    }
    const double Frame = MedianMs(kBreakdownRuns, [&] {
        ::RedrawWindow(Skin.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_NOCHILDREN);
        ::GdiFlush();
    });
    std::printf("    %-40s %10.3f\n", "the skinned form alone", Frame);
    const TBareWindow Bare(kHistorySizes[1]);
    std::printf("    %-40s %10.3f\n", "bare report list view, same rows",
                MedianMs(kBreakdownRuns, [&] { PaintNow(Bare.List); }));
}

void Row(const char* Name, double Ours, double Reference, const char* Target) {
    std::printf("%-44s %10.3f %10.3f %8.2f   %s\n", Name, Ours, Reference, Ours / Reference, Target);
}

} // namespace

int main() {
    RegisterProgramClasses();
    Application->Initialize();
    std::printf("%-44s %10s %10s %8s   %s\n", "main window", "ms", "reference", "ratio", "target");
    for (const int Count : kHistorySizes) {
        WriteHistory(Count);
        const double Skinned = SkinnedStartMs();
        const double Bare = BareStartMs(Count);
        const std::string Name = "start-up to first paint, " + std::to_string(Count) + " commands";
        Row(Name.c_str(), Skinned, Bare, Count == kHistorySizes[2] ? "<= 1.5x the bare window" : "");
        if (Count == kHistorySizes[2] && Skinned / Bare > kStartTarget) std::printf("   (missed)\n");
    }

    WriteHistory(kHistorySizes[1]);
    auto* Form = Application->CreateForm<TfmMain>();
    Form->Show();
    PaintNow(Form->Handle());
    const double Repaint = MedianMs(kPaintRuns, [&] { PaintNow(Form->Handle()); });
    Row("full repaint of the window", Repaint, BitBltMs(Form->Handle(), kClientWidth, kClientHeight),
        Repaint <= kRepaintTargetMs ? "<= 16 ms: met" : "<= 16 ms: missed");
    RepaintBreakdown(*dynamic_cast<TWinControl*>(Form->FindComponent("sfMain")));

    // The editor open for a new command; a character typed and taken back in turns keeps the text short.
    auto* Add = dynamic_cast<TWinControl*>(Form->FindComponent("btnAdd"));
    auto* Memo = dynamic_cast<TWinControl*>(Form->FindComponent("memCommand"));
    auto* Preview = dynamic_cast<TWinControl*>(Form->FindComponent("pnlPreview"));
    ::SendMessageA(Add->Handle(), BM_CLICK, 0, 0);
    Application->ProcessMessages();
    const HWND Panel = ::FindWindowExA(Preview->Handle(), nullptr, "CLPanel", nullptr);
    RECT PanelRect;
    ::GetClientRect(Panel, &PanelRect);
    bool Typed = false;
    const double Keystroke = MedianMs(kPaintRuns, [&] {
        ::SendMessageA(Memo->Handle(), WM_CHAR, Typed ? VK_BACK : 'A', 1);
        Typed = !Typed;
        ::UpdateWindow(Panel);
    });
    const double Blit = BitBltMs(Panel, PanelRect.right, PanelRect.bottom);
    // Where the keystroke's time goes: the preview's repaint alone, and a character typed into a bare edit
    // window of the memo's size (the platform's own share).
    std::printf("    %-40s %10.3f\n", "preview repaint alone", MedianMs(kPaintRuns, [&] { PaintNow(Panel); }));
    {
        TWindowHandle Edit;
        Edit.Adopt(::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 0, 0,
                                     Memo->Width(), Memo->Height(), Preview->Handle(), nullptr, nullptr, nullptr));
        bool BareTyped = false;
        std::printf("    %-40s %10.3f\n", "character into a bare edit window", MedianMs(kPaintRuns, [&] {
                        ::SendMessageA(Edit.Get(), WM_CHAR, BareTyped ? VK_BACK : 'A', 1);
                        BareTyped = !BareTyped;
                        ::UpdateWindow(Edit.Get());
                    }));
    }
    Row("keystroke to repainted preview", Keystroke, Blit,
        Keystroke / Blit <= kKeystrokeTarget ? "<= 3x the BitBlt: met" : "<= 3x the BitBlt: missed");
    delete Form;
    WriteHistory(0);
    return 0;
}
