// descpics: writes a window description with its picture placeholders filled in (see DescPictures.h).
//
//   descpics TEMPLATE PICTURE_DIR OUTPUT
//
// OUTPUT is the description in canonical form. Exit 0 on success; 1, with one line on stderr, when the template
// does not parse or a picture cannot be read; 2 for wrong arguments.
#include "framework/core/DescriptionParser.h"
#include "framework/core/DescriptionPrinter.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"
#include "tools/descpics/DescPictures.h"

#include <cstdio>
#include <string>

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

} // namespace

int main(int argc, char** argv) {
    constexpr int ExpectedArgs = 4;
    if (argc != ExpectedArgs) {
        std::fputs("usage: descpics TEMPLATE PICTURE_DIR OUTPUT\n", stderr);
        return ExitUsage;
    }
    const std::string Template = argv[1];
    try {
        TDescObject Description = ParseDescription(ReadFileText(Template));
        FillPictures(Description, argv[2]);
        const std::string Text = PrintDescription(Description);
        TFileStream Output(argv[3], fmCreate);
        Output.WriteBuffer(Text.data(), static_cast<std::int64_t>(Text.size()));
        return ExitOk;
    } catch (const Exception& E) {
        std::fprintf(stderr, "%s: %s\n", Template.c_str(), E.Message().c_str());
        return ExitFailed;
    }
}
