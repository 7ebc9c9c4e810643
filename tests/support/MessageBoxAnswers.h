// TMessageBoxAnswers: answers the program's message boxes while it lives, through the application's one hook,
// and records each box, so that a test sees what the user would have been asked and chooses the answer.
#pragma once

#include "framework/win/forms/Application.h"

#include <deque>
#include <string>
#include <vector>

class TMessageBoxAnswers {
public:
    struct TBox {
        std::string Text;
        std::string Caption;
        UINT Flags;
    };

    // Boxes are answered with Answer unless answers were queued for them.
    explicit TMessageBoxAnswers(int Answer = IDOK);
    ~TMessageBoxAnswers();
    TMessageBoxAnswers(const TMessageBoxAnswers&) = delete;
    TMessageBoxAnswers& operator=(const TMessageBoxAnswers&) = delete;

    void SetAnswer(int Answer) { FAnswer = Answer; }
    // The answer to the next box not yet answered by an earlier queued answer.
    void Queue(int Answer) { FQueued.push_back(Answer); }
    const std::vector<TBox>& Boxes() const { return FBoxes; }

private:
    int Answer(const std::string& Text, const std::string& Caption, UINT Flags);

    int FAnswer;
    std::deque<int> FQueued;
    std::vector<TBox> FBoxes;
    TApplication::TMessageBoxHook FPrevious;
};
