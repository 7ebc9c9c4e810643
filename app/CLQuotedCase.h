#pragma once

#include <string>

// CL keeps the case of text between apostrophes (IFS paths, message texts) and reads everything else in upper
// case. Returns sText with the letters outside apostrophes raised (by the ANSI code page's rules, as the
// upper-case editor raises them) and the letters inside kept. A doubled apostrophe inside a literal stands for
// one apostrophe and does not end it: each apostrophe turns the literal off and on again with nothing between.
std::string UpperOutsideQuotes(const std::string& sText);
