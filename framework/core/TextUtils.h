// Text helpers shared by the framework: names of components, classes and properties compare without
// regard to letter case (ASCII only, as the names are identifiers).
#pragma once

#include <string>
#include <string_view>

bool SameText(std::string_view A, std::string_view B);
std::string LowerCase(std::string_view Text);
std::string UpperCase(std::string_view Text);
// True for a letter or underscore followed by letters, digits and underscores.
bool IsValidIdent(std::string_view Ident);
