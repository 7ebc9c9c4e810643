#pragma once

#include "app/CLCmdMgr.h"
#include "framework/win/graphics/HandleOwners.h"

#include <windows.h>

// Rows the panel can hold: a text of 1023 characters fills 13 of them (74 on the first row, 80 on each further).
constexpr int kPanelRows = 15;
// Room for one row of 80 characters and its terminator.
constexpr int kPanelRowSize = 81;
// Room for the prompt that leads the first row.
constexpr int kPromptSize = 80;
// Room for the longest copy text: 6 blanks, 1023 characters and a CR LF after each of the 13 rows, and the
// terminator.
constexpr int kCopySize = 1056;

// The command preview: one command text shown the way a terminal command line shows it, green fixed-pitch text on
// black, the first row led by the prompt " ===> ", wrapped at 74 characters on the first row and 80 on each further
// row, every row underlined by a thin green rule. It also copies the text to the clipboard in that wrapped layout.
//
// A plain window of its own class "CLPanel", driven by this object, which the window procedure finds in the
// window's user data. Once its window exists, the window owns the object: destroying the window deletes it, so the
// owner creates it with new, calls Create, SetEditWnd, then any number of SetText, Refresh and CopyText, and never
// deletes it itself.
class CLPanel {
public:
    CLPanel();
    virtual ~CLPanel();
    CLPanel(const CLPanel&) = delete;
    CLPanel& operator=(const CLPanel&) = delete;

    bool Create(HWND hParent, const RECT* prc);
    void SetEditWnd(HWND hEdit);
    bool SetText(const char* sz);
    bool Refresh();
    bool CopyText();

    HWND GetWnd() const { return m_hWnd; }
    // What row nRow holds of the current text (empty beyond the text).
    const char* GetLine(int nRow) const;

protected:
    virtual int HandleCreate(WPARAM wParam, LPARAM lParam);
    virtual int HandleSize(WPARAM wParam, LPARAM lParam);
    virtual int HandlePaint(WPARAM wParam, LPARAM lParam);
    virtual int HandleDestroy(WPARAM wParam, LPARAM lParam);

private:
    void SplitLines();
    // Covers every pixel of rc, so the window needs no erasing before a paint.
    void PaintRows(HDC hdc, const RECT& rc) const;
    static bool RegisterPanelClass();
    static LRESULT CALLBACK PanelWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd;
    HWND m_hEdit;            // the hidden edit control that puts the copy text on the clipboard; not owned
    char m_szText[kCmdSize]; // at most 1023 characters, every CR and LF already a blank
    TPenHandle m_hPen;
    TFontHandle m_hFont;
    int m_nLineHeight;
    int m_nMargin;
    int m_nLineChars;
    int m_nFirstLineChars;
    char m_szPrompt[kPromptSize];
    char m_szLines[kPanelRows][kPanelRowSize];
};
