// vsktheme: looks into, exports and builds .vsk theme files.
//
//   vsktheme list FILE                     one line per entry: key, type, size, value of integers and flags
//   vsktheme export [--art DIR] STYLE FILE the built-in STYLE as a complete theme file
//   vsktheme pack DIR FILE                 a theme file from DIR/Key.bmp images and DIR/values.ini

#include "tools/vsktheme/ThemeCommands.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;
constexpr const char* Usage = "usage: vsktheme list FILE\n"
                              "       vsktheme export [--art DIR] STYLE FILE\n"
                              "       vsktheme pack DIR FILE\n";

int Run(const std::vector<std::string>& Args) {
    if (Args.size() == 2 && Args[0] == "list") {
        ListThemeFile(Args[1], std::cout);
        return 0;
    }
    if (Args.size() == 3 && Args[0] == "export") {
        ExportBuiltInStyle(ParseBuiltInStyle(Args[1]), DefaultArt(), Args[2]);
        return 0;
    }
    if (Args.size() == 5 && Args[0] == "export" && Args[1] == "--art") {
        ExportBuiltInStyle(ParseBuiltInStyle(Args[3]), FolderArt(Args[2]), Args[4]);
        return 0;
    }
    if (Args.size() == 3 && Args[0] == "pack") {
        PackThemeFolder(Args[1], Args[2], std::cerr);
        return 0;
    }
    std::cerr << Usage;
    return ExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& Error) {
        std::cerr << "vsktheme: " << Error.what() << '\n';
        return ExitFailure;
    }
}
