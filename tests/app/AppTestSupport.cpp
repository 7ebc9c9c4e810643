#include "tests/app/AppTestSupport.h"

#include "framework/win/forms/Application.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/ScopedGuards.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
constexpr int kPumpRounds = 5;
constexpr int kBitsPerPixel = 32;
} // namespace

void PumpMessages() {
    for (int i = 0; i < kPumpRounds; ++i) {
        Application->ProcessMessages();
        Sleep(1);
    }
}

std::string ClipboardText() {
    std::string sText;
    if (!OpenClipboard(nullptr)) {
        ADD_FAILURE() << "the clipboard cannot be opened";
        return sText;
    }
    if (HANDLE hData = GetClipboardData(CF_TEXT)) {
        if (const auto* sz = static_cast<const char*>(GlobalLock(hData))) {
            sText = sz;
            GlobalUnlock(hData);
        }
    }
    CloseClipboard();
    return sText;
}

void SetClipboardText(const std::string& sText) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL hData = GlobalAlloc(GMEM_MOVEABLE, sText.size() + 1);
    std::memcpy(GlobalLock(hData), sText.c_str(), sText.size() + 1);
    GlobalUnlock(hData);
    SetClipboardData(CF_TEXT, hData); // the clipboard owns it now
    CloseClipboard();
}

// Copied off the window's DC into a top-down 32-bit bitmap of our own, then read as plain memory.
WindowPixels::WindowPixels(HWND hWnd) : m_nWidth(0), m_nHeight(0) {
    RECT rc;
    GetClientRect(hWnd, &rc);
    m_nWidth = rc.right;
    m_nHeight = rc.bottom;
    m_pixels.resize(static_cast<size_t>(m_nWidth) * m_nHeight);
    TWindowDC dc(hWnd);
    TMemoryDCHandle hMemDC(CreateCompatibleDC(dc.Handle()));
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = m_nWidth;
    bi.bmiHeader.biHeight = -m_nHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = kBitsPerPixel;
    bi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    TBitmapHandle hBitmap(CreateDIBSection(dc.Handle(), &bi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    if (!hMemDC || !hBitmap) {
        ADD_FAILURE() << "no bitmap to copy the window into";
        return;
    }
    TSelectObjectGuard select(hMemDC.Get(), hBitmap.Get());
    BitBlt(hMemDC.Get(), 0, 0, m_nWidth, m_nHeight, dc.Handle(), 0, 0, SRCCOPY);
    GdiFlush();
    const auto* pPixel = static_cast<const DWORD*>(pBits);
    for (size_t i = 0; i < m_pixels.size(); ++i) // 0x00RRGGBB in memory, COLORREF is 0x00BBGGRR
        m_pixels[i] = RGB(GetBValue(pPixel[i]), GetGValue(pPixel[i]), GetRValue(pPixel[i]));
}

COLORREF WindowPixels::At(int x, int y) const {
    return m_pixels[static_cast<size_t>(y) * m_nWidth + x];
}

bool WindowPixels::Any(int x0, int y0, int x1, int y1, COLORREF color) const {
    return RightmostOf(x0, y0, x1, y1, color) >= 0;
}

int WindowPixels::RightmostOf(int x0, int y0, int x1, int y1, COLORREF color) const {
    int nRight = -1;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (At(x, y) == color && x > nRight) nRight = x;
    return nRight;
}
