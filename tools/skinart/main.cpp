// skinart: draws the skin pictures, the program icon and the banner, and writes the resource script.
//
//   skinart FOLDER            write every picture, MAINICON.ico and skin_art.rc into FOLDER
//   skinart --list            print the names of the files FOLDER would receive, one per line
//   skinart --preview FOLDER  write contact sheets of the art (BMP) for looking at it

#include "tools/skinart/art/ArtOutput.h"
#include "tools/skinart/preview/Preview.h"

#include <exception>
#include <iostream>
#include <string_view>

namespace {
constexpr const char* kUsage = "usage: skinart FOLDER | skinart --list | skinart --preview FOLDER\n";

int Run(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--list") {
        for (const std::string& name : skinart::OutputFileNames())
            std::cout << name << '\n';
        return 0;
    }
    if (argc == 3 && std::string_view(argv[1]) == "--preview") {
        skinart::WritePreviews(argv[2]);
        return 0;
    }
    if (argc == 2 && argv[1][0] != '-') {
        skinart::WriteArt(argv[1]);
        return 0;
    }
    std::cerr << kUsage;
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "skinart: " << e.what() << '\n';
        return 1;
    }
}
