#include "app/CLPanel.h"

#include "app/Apputil.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/GraphicsExceptions.h"
#include "framework/win/graphics/OffscreenBuffer.h"
#include "framework/win/graphics/ScopedGuards.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr const char* kClassName = "CLPanel";
// The class has always reserved these; the object itself lives in the user data, which is pointer-sized on 64-bit.
constexpr int kWndExtraBytes = 4;

constexpr int kLineHeight = 24;
constexpr int kMargin = 10;
constexpr int kLineChars = 80;
constexpr int kFirstLineChars = 74;
constexpr const char* kPrompt = " ===> ";
// Between a row's text and the rules above and below it.
constexpr int kTextInset = 3;

constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr int kPenWidth = 1;
constexpr const char* kFontFace = "Courier New";
constexpr int kFontHeight = -15; // a character height of 15 pixels
constexpr int kFontWeight = FW_NORMAL;

constexpr const char* kLineBreak = "\r\n";
constexpr size_t kLineBreakLength = 2;

// Appends sz to the text of nLen characters in szBuf (nSize bytes), as far as it fits.
void Append(char* szBuf, size_t nSize, size_t& nLen, const char* sz) {
    const size_t nAdd = std::min(std::strlen(sz), nSize - 1 - nLen);
    std::memcpy(szBuf + nLen, sz, nAdd);
    nLen += nAdd;
    szBuf[nLen] = '\0';
}
} // namespace

CLPanel::CLPanel()
    : m_hWnd(nullptr), m_hEdit(nullptr), m_szText{}, m_nLineHeight(0), m_nMargin(0), m_nLineChars(0),
      m_nFirstLineChars(0), m_szPrompt{}, m_szLines{} {}

CLPanel::~CLPanel() = default;

bool CLPanel::RegisterPanelClass() {
    WNDCLASSA wc = {};
    if (GetClassInfoA(g_hInst, kClassName, &wc)) return true;
    wc.style = 0;
    wc.lpfnWndProc = PanelWndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = kWndExtraBytes;
    wc.hInstance = g_hInst;
    wc.hIcon = nullptr;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = StockBrush(BLACK_BRUSH).Get();
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc) != 0;
}

// The window is created hidden and shown only once it exists, so that its first paint finds the object complete.
bool CLPanel::Create(HWND hParent, const RECT* prc) {
    if (!RegisterPanelClass()) return false;
    m_hWnd = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_CLIPCHILDREN, prc->left, prc->top, prc->right - prc->left,
                             prc->bottom - prc->top, hParent, nullptr, g_hInst, this);
    if (!IsWindow(m_hWnd)) {
        m_hWnd = nullptr;
        return false;
    }
    ShowWindow(m_hWnd, SW_SHOW);
    UpdateWindow(m_hWnd);
    return true;
}

void CLPanel::SetEditWnd(HWND hEdit) {
    m_hEdit = hEdit;
}

// Longer texts are cut to the 1023 characters a command can hold. Line breaks show as blanks: the command line
// has none.
bool CLPanel::SetText(const char* sz) {
    const char* szSrc = sz ? sz : "";
    const size_t nLen = strnlen(szSrc, sizeof(m_szText) - 1);
    std::memcpy(m_szText, szSrc, nLen);
    m_szText[nLen] = '\0';
    for (char* p = m_szText; *p; ++p) {
        if (*p == '\r' || *p == '\n') *p = ' ';
    }
    SplitLines();
    Refresh();
    return true;
}

// Without erasing: the paint covers every pixel, and erasing first would flicker while the user types.
bool CLPanel::Refresh() {
    if (!m_hWnd) return true;
    RECT rc;
    GetClientRect(m_hWnd, &rc);
    InvalidateRect(m_hWnd, &rc, FALSE);
    return true;
}

// The copy has the preview's layout, blanks standing in for the prompt, and no line break after the last row. Copying
// through the edit control leaves opening, filling and owning the clipboard to the system.
bool CLPanel::CopyText() {
    SplitLines();
    char szCopy[kCopySize] = "";
    size_t nLen = 0;
    for (int i = 0; i < kPanelRows && m_szLines[i][0]; ++i) {
        if (i == 0) {
            char szBlanks[kPromptSize] = "";
            std::memset(szBlanks, ' ', std::strlen(m_szPrompt));
            Append(szCopy, sizeof(szCopy), nLen, szBlanks);
        }
        Append(szCopy, sizeof(szCopy), nLen, m_szLines[i]);
        Append(szCopy, sizeof(szCopy), nLen, kLineBreak);
    }
    if (nLen == 0 || !m_hWnd) return true;
    nLen -= kLineBreakLength;
    szCopy[nLen] = '\0';
    SetWindowTextA(m_hEdit, szCopy);
    SendMessageA(m_hEdit, EM_SETSEL, 0, static_cast<LPARAM>(nLen));
    SendMessageA(m_hEdit, WM_COPY, 0, 0);
    return true;
}

const char* CLPanel::GetLine(int nRow) const {
    return nRow >= 0 && nRow < kPanelRows ? m_szLines[nRow] : "";
}

// Rows are cut at exact character counts, never at blanks: that is how the command line wraps.
void CLPanel::SplitLines() {
    std::memset(m_szLines, 0, sizeof(m_szLines));
    size_t nLeft = std::strlen(m_szText);
    size_t nOffset = 0;
    for (int i = 0; nLeft > 0 && i < kPanelRows; ++i) {
        const size_t nRowChars = static_cast<size_t>(i == 0 ? m_nFirstLineChars : m_nLineChars);
        const size_t nTake = std::min(nRowChars, nLeft);
        std::memcpy(m_szLines[i], m_szText + nOffset, nTake);
        nOffset += nTake;
        nLeft -= nTake;
    }
}

// Runs inside CreateWindowExA, before m_hWnd is known. Pen and font are made once per window, not per paint.
int CLPanel::HandleCreate(WPARAM, LPARAM) {
    m_hPen.Reset(CreatePen(PS_SOLID, kPenWidth, kGreen));
    m_hFont.Reset(
        CreateFontA(kFontHeight, 0, 0, 0, kFontWeight, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, kFontFace));
    m_nLineHeight = kLineHeight;
    m_nMargin = kMargin;
    m_nLineChars = kLineChars;
    m_nFirstLineChars = kFirstLineChars;
    std::strcpy(m_szPrompt, kPrompt);
    std::memset(m_szLines, 0, sizeof(m_szLines));
    return 0;
}

// Each paint reads the current client size, so a new size needs nothing of its own.
int CLPanel::HandleSize(WPARAM, LPARAM) {
    return 0;
}

// Drawn off-screen and copied in one transfer, so the rows never flicker while the text changes keystroke by
// keystroke. The prompt leads the first row even when there is no text. When no off-screen bitmap can be had the
// panel keeps what it showed: the exception must not unwind through the system's code.
int CLPanel::HandlePaint(WPARAM, LPARAM) {
    RECT rc;
    GetClientRect(m_hWnd, &rc);
    TPaintDC dc(m_hWnd);
    try {
        TOffscreenBuffer buffer(dc.Handle(), rc.right - rc.left, rc.bottom - rc.top);
        PaintRows(buffer.DC(), rc);
        buffer.CopyTo(dc.Handle(), rc.left, rc.top);
    } catch (const EOutOfResources&) {
    }
    return 0;
}

void CLPanel::PaintRows(HDC hdc, const RECT& rc) const {
    FillRect(hdc, &rc, StockBrush(BLACK_BRUSH).Get());
    const int nRows = (rc.bottom - rc.top) / m_nLineHeight;
    {
        TSelectObjectGuard pen(hdc, m_hPen.Get());
        for (int i = 0; i < nRows; ++i) {
            const int y = (i + 1) * m_nLineHeight;
            MoveToEx(hdc, m_nMargin, y, nullptr);
            LineTo(hdc, rc.right - m_nMargin, y);
        }
    }

    TTextColorGuard color(hdc, kGreen);
    TBkModeGuard mode(hdc, TRANSPARENT);
    TSelectObjectGuard font(hdc, m_hFont.Get());
    for (int i = 0; i < nRows && i < kPanelRows; ++i) {
        char szRow[kPromptSize + kPanelRowSize] = "";
        if (i == 0) std::strcpy(szRow, m_szPrompt);
        std::strcat(szRow, m_szLines[i]);
        if (!szRow[0]) break;
        RECT rcRow = {m_nMargin, i * m_nLineHeight + kTextInset, rc.right - m_nMargin,
                      (i + 1) * m_nLineHeight - kTextInset};
        DrawTextA(hdc, szRow, -1, &rcRow, DT_SINGLELINE | DT_VCENTER);
    }
}

int CLPanel::HandleDestroy(WPARAM, LPARAM) {
    m_hPen.Reset();
    m_hFont.Reset();
    return 0;
}

// The window owns its object: WM_CREATE binds the object handed to CreateWindowExA, WM_DESTROY deletes it.
LRESULT CALLBACK CLPanel::PanelWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    auto* pPanel = reinterpret_cast<CLPanel*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    switch (nMsg) {
    case WM_CREATE:
        pPanel = static_cast<CLPanel*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pPanel));
        if (pPanel) pPanel->HandleCreate(wParam, lParam);
        break;
    case WM_DESTROY:
        if (pPanel) {
            pPanel->HandleDestroy(wParam, lParam);
            delete pPanel;
            SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        }
        break;
    case WM_SIZE:
        if (pPanel) pPanel->HandleSize(wParam, lParam);
        break;
    case WM_PAINT:
        if (pPanel) {
            pPanel->HandlePaint(wParam, lParam);
            return 1;
        }
        break;
    }
    return DefWindowProcA(hWnd, nMsg, wParam, lParam);
}
