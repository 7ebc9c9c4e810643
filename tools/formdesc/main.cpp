// formdesc: checks and formats window descriptions by their syntax alone, without the component classes.
//
//   formdesc check FILE    exit 0 when FILE parses; otherwise one line "FILE: line N: problem", exit 1
//   formdesc format FILE   prints FILE in canonical form (or fails as check does)
#include "framework/core/DescriptionParser.h"
#include "framework/core/DescriptionPrinter.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr int ExitOk = 0;
constexpr int ExitBadDescription = 1;
constexpr int ExitUsage = 2;

int Usage() {
    std::fputs("usage: formdesc check FILE\n"
               "       formdesc format FILE\n",
               stderr);
    return ExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    constexpr int ExpectedArgs = 3;
    if (argc != ExpectedArgs) return Usage();
    std::string_view Command = argv[1];
    std::string FileName = argv[2];
    if (Command != "check" && Command != "format") return Usage();
    try {
        TDescObject Description = ParseDescription(ReadFileText(FileName));
        if (Command == "format") std::fputs(PrintDescription(Description).c_str(), stdout);
        return ExitOk;
    } catch (const Exception& E) {
        std::fprintf(stderr, "%s: %s\n", FileName.c_str(), E.Message().c_str());
        return ExitBadDescription;
    }
}
