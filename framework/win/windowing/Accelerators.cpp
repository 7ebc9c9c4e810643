#include "framework/win/windowing/Accelerators.h"

#include <windows.h>

namespace {
// Upper case by the system's code page, so that accented letters compare too.
char Upper(char C) {
    char Text[] = {C, '\0'};
    ::CharUpperBuffA(Text, 1);
    return Text[0];
}
} // namespace

bool IsAccel(char Key, std::string_view Caption) {
    for (std::size_t I = 0; I + 1 < Caption.size(); ++I) {
        if (Caption[I] != '&') continue;
        ++I; // the character after '&': another '&' is a literal one
        if (Caption[I] != '&') return Upper(Caption[I]) == Upper(Key);
    }
    return false;
}
