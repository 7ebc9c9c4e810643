#pragma once
// What the generator writes into its output folder: one .bmp per catalogue picture, the icon file and the
// resource script that the Windows build compiles into the program.

#include <filesystem>
#include <string>
#include <vector>

namespace skinart {

inline constexpr const char* kResourceScriptName = "skin_art.rc";

// File names (no folder) in a stable order; the build system lists them as the generator's outputs.
std::vector<std::string> OutputFileNames();

// Text of the resource script naming every picture and the icon by file name.
std::string ResourceScript();

// Writes every output file into the folder, creating it when missing.
void WriteArt(const std::filesystem::path& folder);

} // namespace skinart
