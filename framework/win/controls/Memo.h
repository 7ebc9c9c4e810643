// TMemo: multi-line text over the system's EDIT control. Lines gives the text line by line (read from and
// written to the window while there is one); Text is the whole of it. OnChange fires on every change of the
// text: typing, pasting, clearing, setting Text or Lines.
//
// Scroll bars, word wrap, alignment, border and keeping the selection visible are styles of the window:
// changing them makes a new window with the same text.
#pragma once

#include "framework/core/Strings.h"
#include "framework/win/windowing/SystemControl.h"

#include <cstdint>
#include <memory>
#include <string>

class TMemoStrings;

enum TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
extern const TEnumInfo TScrollStyleInfo;

class TMemo : public TSystemControl {
    VSK_CLASS(TMemo, TSystemControl)

public:
    explicit TMemo(TComponent* AOwner);
    ~TMemo() override;

    TStrings* Lines() const;
    void SetLines(const TStrings* Value);

    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    // Enter and Tab typed into the memo: a line break and a tab character, or (when not wanted) the form's
    // default button and the next control.
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool Value) { FWantReturns = Value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }
    // The most characters the user can type in; 0 is no limit.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);

    // The selection, in characters from the start of the text (line breaks count two). These make the
    // window when there is none yet.
    int SelStart();
    void SetSelStart(int Value);
    int SelLength();
    void SetSelLength(int Value);
    std::string SelText();
    // Replaces the selection (inserts at the caret when nothing is selected).
    void SetSelText(const std::string& Value);
    void SelectAll();

    void Clear();
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    // Puts the clipboard's text at the caret, in place of the selection.
    void PasteFromClipboard();

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& Params) override;
    void WindowCreated() override;
    void WndProc(TMessage& Message) override;
    void KeyPress(char& Key) override;
    virtual void Change();

private:
    friend class TMemoStrings;

    // Changes to Lines between BeginUpdate and EndUpdate report one change at the end.
    void BeginChanges();
    void EndChanges();
    void SetSelection(int Start, int End);
    void StyleChanged();
    void CNCommand(TMessage& Message);
    void WMGetDlgCode(TMessage& Message);
    void WMSetText(TMessage& Message);
    void CMTextChanged(TMessage& Message);

    std::unique_ptr<TMemoStrings> FLines;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
    TAlignment FAlignment = taLeftJustify;
    TBorderStyle FBorderStyle = bsSingle;
    bool FHideSelection = true;
    bool FWantReturns = true;
    bool FWantTabs = false;
    int FMaxLength = 0;
    bool FReadOnly = false;
    int FSettingText = 0; // inside WM_SETTEXT: the change is reported once, by CM_TEXTCHANGED
    int FChangeBatch = 0; // inside Lines' BeginUpdate ... EndUpdate
    bool FBatchChanged = false;
};
