#include "WindowingSupport.h"

#include "TestSupport.h"

#include "framework/core/Streams.h"
#include "framework/win/windowing/Control.h"
#include "framework/win/windowing/WinControl.h"

namespace {
constexpr int PumpRounds = 5;
} // namespace

void PumpMessages() {
    for (int Round = 0; Round < PumpRounds; ++Round) {
        Application->ProcessMessages();
        ::Sleep(1);
    }
}

bool PumpUntil(const std::function<bool()>& Done, int Milliseconds) {
    const DWORD Start = ::GetTickCount();
    while (!Done() && ::GetTickCount() - Start < static_cast<DWORD>(Milliseconds)) {
        Application->ProcessMessages();
        ::Sleep(5);
    }
    return Done();
}

THandleSnapshot HandleSnapshot() {
    THandleSnapshot Counts{};
    for (std::size_t Kind = 0; Kind < Counts.size(); ++Kind)
        Counts[Kind] = THandleCounts::Live(static_cast<THandleKind>(Kind));
    return Counts;
}

TMessageBoxAnswers::TMessageBoxAnswers(int Answer) : FAnswer(Answer) {
    FPrevious = Application->SetMessageBoxHook([this](const std::string& Text, const std::string& Caption, UINT Flags) {
        FBoxes.push_back({Text, Caption, Flags});
        return FAnswer;
    });
}

TMessageBoxAnswers::~TMessageBoxAnswers() {
    Application->SetMessageBoxHook(FPrevious);
}

TMessageLog::TMessageLog(TControl& Control) : FControl(Control), FSaved(Control.WindowProc()) {
    FControl.SetWindowProc([this](TMessage& Message) {
        FMessages.push_back(Message);
        FSaved(Message);
    });
}

TMessageLog::~TMessageLog() {
    FControl.SetWindowProc(FSaved);
}

int TMessageLog::Count(UINT Msg) const {
    return static_cast<int>(Of(Msg).size());
}

std::vector<TMessage> TMessageLog::Of(UINT Msg) const {
    std::vector<TMessage> Found;
    for (const TMessage& Message : FMessages)
        if (Message.Msg == Msg) Found.push_back(Message);
    return Found;
}

std::unique_ptr<TBitmap> PaintedImage(TWinControl& Control, TColor Background) {
    auto Image = std::make_unique<TBitmap>(Control.Width(), Control.Height());
    Fill(*Image, Background);
    Control.PaintTo(Image->Canvas().Handle(), 0, 0);
    return Image;
}

void SaveImage(const TBitmap& Image, const std::string& FileName) {
    TFileStream File(FileName, fmCreate);
    Image.SaveToStream(File);
}
