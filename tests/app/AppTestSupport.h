// Helpers of the program's tests: pumping messages, the clipboard, and reading back what a window shows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Handles every message waiting, in a few rounds so that messages posted while handling are seen too.
void PumpMessages();

// The clipboard's text (CF_TEXT), or "" when it holds none.
std::string ClipboardText();
// Puts sText on the clipboard, replacing whatever was there.
void SetClipboardText(const std::string& sText);

// The pixels of a window's client area as it is on the screen now.
class WindowPixels {
public:
    explicit WindowPixels(HWND hWnd);

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    COLORREF At(int x, int y) const;
    // Whether any pixel of the rectangle [x0, x1) x [y0, y1) has the colour.
    bool Any(int x0, int y0, int x1, int y1, COLORREF color) const;
    // The largest x in [x0, x1) x [y0, y1) with the colour, or -1.
    int RightmostOf(int x0, int y0, int x1, int y1, COLORREF color) const;

private:
    int m_nWidth;
    int m_nHeight;
    std::vector<COLORREF> m_pixels; // top row first
};
