// What the fuzz targets share: a broken expectation is a finding, reported with the expression and stopped at
// once, so that libFuzzer (or the corpus replay) keeps the input that caused it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(expr) ((expr) ? static_cast<void>(0) : FuzzCheckFailed(#expr, __FILE__, __LINE__))

[[noreturn]] inline void FuzzCheckFailed(const char* Expr, const char* File, int Line) {
    std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", Expr, File, Line);
    std::abort();
}

// Every target defines this, as libFuzzer expects; ReplayMain.cpp calls it for each stored input.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size);
