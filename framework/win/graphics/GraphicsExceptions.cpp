#include "framework/win/graphics/GraphicsExceptions.h"

#include <windows.h>

#include <cstdint>

namespace {
std::string ResourceName(const char* Name) {
    if (!IS_INTRESOURCE(Name)) return Name;
    std::string Result = "#";
    Result += std::to_string(reinterpret_cast<std::uintptr_t>(Name));
    return Result;
}
} // namespace

EResNotFound::EResNotFound(const char* Name) : Exception("Resource " + ResourceName(Name) + " not found") {}
