#include "tests/support/MessageBoxAnswers.h"

TMessageBoxAnswers::TMessageBoxAnswers(int Answer) : FAnswer(Answer) {
    FPrevious = Application->SetMessageBoxHook([this](const std::string& Text, const std::string& Caption, UINT Flags) {
        return this->Answer(Text, Caption, Flags);
    });
}

TMessageBoxAnswers::~TMessageBoxAnswers() {
    Application->SetMessageBoxHook(FPrevious);
}

int TMessageBoxAnswers::Answer(const std::string& Text, const std::string& Caption, UINT Flags) {
    FBoxes.push_back({Text, Caption, Flags});
    if (FQueued.empty()) return FAnswer;
    const int Queued = FQueued.front();
    FQueued.pop_front();
    return Queued;
}
