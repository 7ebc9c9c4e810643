// What the frame tests share: a skinned window on the screen, real mouse and keyboard input, pictures of
// what the screen shows, handle counts, and answers to the program's message boxes.
#pragma once

#include "framework/core/Colors.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/HandleCounts.h"
#include "skin/frame/Vskform.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The main window's frame: a dialog host with a 794 x 610 client area.
inline constexpr int HostClientWidth = 794;
inline constexpr int HostClientHeight = 610;

// Handles messages for a while (or until Done says so); returns Done().
bool PumpFor(int Milliseconds, const std::function<bool()>& Done = nullptr);

// A host form with a skinned form on it, shown at (40, 40).
struct TSkinnedWindow {
    explicit TSkinnedWindow(TvskUIStyle Style = BlueGlass, int ClientWidth = HostClientWidth,
                            int ClientHeight = HostClientHeight);
    ~TSkinnedWindow();
    std::unique_ptr<TForm> Host;
    TvskForm* Skin;
    // Forgets the host without destroying it (a test destroyed it).
    void Forget() { (void)Host.release(); }
    HWND Window() const { return Host->Handle(); }
    // A point of the title bar, in screen coordinates.
    POINT TitlePoint(int X, int Y) const;
};

// What the screen shows of the window's rectangle (frame included).
std::unique_ptr<TBitmap> WindowShot(HWND Window);
TColor ShotPixel(TBitmap& Shot, int X, int Y);

// Real input, through the system's input queue.
void MoveMouse(POINT Screen);
void PressLeft();
void ReleaseLeft();
void ClickAt(POINT Screen);
void DoubleClickAt(POINT Screen);
void KeyDown(WORD Key);
void KeyUp(WORD Key);

// Runs Action from a timer of the message loop (also inside a system menu or move loop) after Milliseconds.
void RunSoon(int Milliseconds, std::function<void()> Action);
// Closes whatever menu is open, soon.
void CloseMenusSoon(int Milliseconds = 100);

using THandleCountSnapshot = std::array<long, THandleCounts::KindCount>;
THandleCountSnapshot HandleCountSnapshot();

// Answers the program's message boxes with OK while it lives, recording their texts.
class TBoxRecorder {
public:
    TBoxRecorder();
    ~TBoxRecorder();
    TBoxRecorder(const TBoxRecorder&) = delete;
    TBoxRecorder& operator=(const TBoxRecorder&) = delete;
    std::vector<std::string> Texts;

private:
    TApplication::TMessageBoxHook FPrevious;
};
