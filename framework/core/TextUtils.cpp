#include "framework/core/TextUtils.h"

#include <algorithm>

namespace {

// std::tolower on a plain char is undefined for negative values (8-bit ANSI text).
char AsciiLower(char C) {
    return (C >= 'A' && C <= 'Z') ? static_cast<char>(C - 'A' + 'a') : C;
}

char AsciiUpper(char C) {
    return (C >= 'a' && C <= 'z') ? static_cast<char>(C - 'a' + 'A') : C;
}

bool IsIdentStart(char C) {
    return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_';
}

} // namespace

bool SameText(std::string_view A, std::string_view B) {
    return A.size() == B.size() &&
           std::equal(A.begin(), A.end(), B.begin(), [](char X, char Y) { return AsciiLower(X) == AsciiLower(Y); });
}

std::string LowerCase(std::string_view Text) {
    std::string Result(Text);
    std::transform(Result.begin(), Result.end(), Result.begin(), AsciiLower);
    return Result;
}

std::string UpperCase(std::string_view Text) {
    std::string Result(Text);
    std::transform(Result.begin(), Result.end(), Result.begin(), AsciiUpper);
    return Result;
}

bool IsValidIdent(std::string_view Ident) {
    if (Ident.empty() || !IsIdentStart(Ident.front())) return false;
    return std::all_of(Ident.begin() + 1, Ident.end(),
                       [](char C) { return IsIdentStart(C) || (C >= '0' && C <= '9'); });
}
