#include "app/CLQuotedCase.h"

#include <windows.h>

namespace {
constexpr char kApostrophe = '\'';
} // namespace

std::string UpperOutsideQuotes(const std::string& sText) {
    std::string sResult = sText;
    bool bInLiteral = false;
    for (char& ch : sResult) {
        if (ch == kApostrophe)
            bInLiteral = !bInLiteral;
        else if (!bInLiteral)
            CharUpperBuffA(&ch, 1);
    }
    return sResult;
}
