// Where `vsktheme export` takes the built-in styles' images from: the BMP files the skin art generator
// writes into a folder, or (in the Windows program) the program's own bitmap resources.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The complete BMP file of the bitmap resource Name ("BLUEGLASS_BUTTON"); raises std::runtime_error when
// there is none.
using TArtSource = std::function<std::vector<std::uint8_t>(const std::string& Name)>;

// Folder/Name.bmp.
TArtSource FolderArt(const std::string& Folder);
// Natively the art folder of the build tree that built this tool; in Windows, the program's resources.
TArtSource DefaultArt();
