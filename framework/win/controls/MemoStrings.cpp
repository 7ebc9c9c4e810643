#include "framework/win/controls/MemoStrings.h"

#include "framework/core/Properties.h"
#include "framework/win/controls/Memo.h"

#include <memory>
#include <vector>

VSK_IMPLEMENT_CLASS(TMemoStrings)

void TMemoStrings::Publish(TPublisher<TMemoStrings>&) {}

namespace {
constexpr std::string_view LineBreak = "\r\n";

// The text of a memo seen as lines: where each begins, how long it is, and replacing a stretch of it.
// Line numbers past the last line have no start (-1), as with EM_LINEINDEX.
class TLineAccess {
public:
    virtual ~TLineAccess() = default;
    // Lines as the EDIT control counts them: an empty text, or a text ending in a line break, ends in an
    // empty line.
    virtual int RawCount() = 0;
    virtual int LineStart(int Line) = 0;
    virtual int LineLength(int Line) = 0;
    virtual void Replace(int Start, int End, const std::string& Text) = 0;

    int Count() {
        const int Raw = RawCount();
        return LineLength(Raw - 1) == 0 ? Raw - 1 : Raw;
    }
    std::string Line(int Index) {
        const int Start = LineStart(Index);
        return Text().substr(static_cast<std::size_t>(Start), static_cast<std::size_t>(LineLength(Index)));
    }
    virtual std::string Text() = 0;
};

// Through the EDIT control's line messages.
class TWindowLines : public TLineAccess {
public:
    explicit TWindowLines(TMemo& Memo) : FMemo(Memo) {}
    int RawCount() override { return static_cast<int>(FMemo.Perform(EM_GETLINECOUNT)); }
    int LineStart(int Line) override {
        return Line < 0 ? -1 : static_cast<int>(FMemo.Perform(EM_LINEINDEX, static_cast<WPARAM>(Line)));
    }
    int LineLength(int Line) override {
        const int Start = LineStart(Line);
        return Start < 0 ? 0 : static_cast<int>(FMemo.Perform(EM_LINELENGTH, static_cast<WPARAM>(Start)));
    }
    void Replace(int Start, int End, const std::string& Text) override {
        FMemo.Perform(EM_SETSEL, static_cast<WPARAM>(Start), End);
        FMemo.Perform(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Text.c_str()));
    }
    std::string Text() override { return FMemo.Text(); }

private:
    TMemo& FMemo;
};

// Through the memo's text, before it has a window.
class TTextLines : public TLineAccess {
public:
    explicit TTextLines(TMemo& Memo) : FMemo(Memo), FText(Memo.Text()) {
        FStarts.push_back(0);
        for (std::size_t At = FText.find(LineBreak); At != std::string::npos; At = FText.find(LineBreak, At))
            FStarts.push_back(static_cast<int>(At += LineBreak.size()));
    }
    int RawCount() override { return static_cast<int>(FStarts.size()); }
    int LineStart(int Line) override {
        return Line < 0 || Line >= RawCount() ? -1 : FStarts[static_cast<std::size_t>(Line)];
    }
    int LineLength(int Line) override {
        if (Line < 0 || Line >= RawCount()) return 0;
        const int End =
            Line + 1 < RawCount() ? FStarts[static_cast<std::size_t>(Line) + 1] - 2 : static_cast<int>(FText.size());
        return End - LineStart(Line);
    }
    void Replace(int Start, int End, const std::string& Text) override {
        FText.replace(static_cast<std::size_t>(Start), static_cast<std::size_t>(End - Start), Text);
        FMemo.SetText(FText);
    }
    std::string Text() override { return FText; }

private:
    TMemo& FMemo;
    std::string FText;
    std::vector<int> FStarts;
};

std::unique_ptr<TLineAccess> LinesOf(TMemo& Memo) {
    if (Memo.HandleAllocated()) return std::make_unique<TWindowLines>(Memo);
    return std::make_unique<TTextLines>(Memo);
}
} // namespace

int TMemoStrings::Count() const {
    return LinesOf(FMemo)->Count();
}

std::string TMemoStrings::Get(int Index) const {
    const auto Lines = LinesOf(FMemo);
    if (Index < 0 || Index >= Lines->Count()) IndexError(Index);
    return Lines->Line(Index);
}

void TMemoStrings::Put(int Index, const std::string& S) {
    const auto Lines = LinesOf(FMemo);
    if (Index < 0 || Index >= Lines->Count()) IndexError(Index);
    const int Start = Lines->LineStart(Index);
    Lines->Replace(Start, Start + Lines->LineLength(Index), S);
    Changed();
}

// A new line goes in front of the line at Index with a line break after it; at the end of a text that does
// not end in a line break, it goes after a new line break.
void TMemoStrings::Insert(int Index, const std::string& S) {
    const auto Lines = LinesOf(FMemo);
    if (Index < 0 || Index > Lines->Count()) IndexError(Index);
    const int Start = Lines->LineStart(Index);
    if (Start >= 0) {
        Lines->Replace(Start, Start, S + std::string(LineBreak));
    } else {
        const int End = Lines->LineStart(Index - 1) + Lines->LineLength(Index - 1);
        Lines->Replace(End, End, std::string(LineBreak) + S);
    }
    Changed();
}

// The line goes with the line break after it (the last line, with none after it, leaves the one before).
void TMemoStrings::Delete(int Index) {
    const auto Lines = LinesOf(FMemo);
    if (Index < 0 || Index >= Lines->Count()) IndexError(Index);
    const int Start = Lines->LineStart(Index);
    int End = Lines->LineStart(Index + 1);
    if (End < 0) End = Start + Lines->LineLength(Index);
    Lines->Replace(Start, End, "");
    Changed();
}

void TMemoStrings::Clear() {
    FMemo.Clear();
    Changed();
}

// A batch of changes to the lines redraws the memo and reports its change once, at the end.
void TMemoStrings::SetUpdateState(bool Updating) {
    if (FMemo.HandleAllocated()) {
        FMemo.Perform(WM_SETREDRAW, !Updating);
        if (!Updating) FMemo.Invalidate();
    }
    if (Updating)
        FMemo.BeginChanges();
    else
        FMemo.EndChanges();
    inherited::SetUpdateState(Updating);
}
