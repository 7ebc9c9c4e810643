// Helpers shared by the tests of controls, forms and the application: pumping messages, answering message
// boxes, reading back what a control paints, and counting live handles.
#pragma once

#include "framework/win/forms/Application.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/HandleCounts.h"
#include "framework/win/windowing/Messages.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TControl;
class TWinControl;

// Handles every message waiting (several rounds, so that messages posted while handling are seen too).
void PumpMessages();
// Handles messages until Done() says so or Milliseconds have passed; returns Done().
bool PumpUntil(const std::function<bool()>& Done, int Milliseconds);

// Every live handle count, by kind.
using THandleSnapshot = std::array<long, THandleCounts::KindCount>;
THandleSnapshot HandleSnapshot();

// Answers the program's message boxes while it lives, recording each one.
class TMessageBoxAnswers {
public:
    struct TBox {
        std::string Text;
        std::string Caption;
        UINT Flags;
    };

    explicit TMessageBoxAnswers(int Answer = IDOK);
    ~TMessageBoxAnswers();
    TMessageBoxAnswers(const TMessageBoxAnswers&) = delete;
    TMessageBoxAnswers& operator=(const TMessageBoxAnswers&) = delete;

    void SetAnswer(int Answer) { FAnswer = Answer; }
    const std::vector<TBox>& Boxes() const { return FBoxes; }

private:
    int FAnswer;
    std::vector<TBox> FBoxes;
    TApplication::TMessageBoxHook FPrevious;
};

// Records the messages of one kind (or all) that reach a control's window procedure, passing them on.
class TMessageLog {
public:
    explicit TMessageLog(TControl& Control);
    ~TMessageLog();
    TMessageLog(const TMessageLog&) = delete;
    TMessageLog& operator=(const TMessageLog&) = delete;

    const std::vector<TMessage>& Messages() const { return FMessages; }
    int Count(UINT Msg) const;
    // The messages Msg, in order.
    std::vector<TMessage> Of(UINT Msg) const;
    void Clear() { FMessages.clear(); }

private:
    TControl& FControl;
    TWndMethod FSaved;
    std::vector<TMessage> FMessages;
};

// What a control paints, on a background of Background, as a bitmap of its size (PaintTo).
std::unique_ptr<TBitmap> PaintedImage(TWinControl& Control, TColor Background = clFuchsia);
// Saves it as a BMP file, to look at while developing.
void SaveImage(const TBitmap& Image, const std::string& FileName);
