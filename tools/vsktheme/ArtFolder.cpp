#include "tools/vsktheme/ArtSource.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

TArtSource FolderArt(const std::string& Folder) {
    return [Folder](const std::string& Name) {
        const std::string Path = Folder + "/" + Name + ".bmp";
        std::ifstream File(Path, std::ios::binary);
        if (!File) throw std::runtime_error("cannot open the image " + Path);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>());
    };
}

#ifndef _WIN32
TArtSource DefaultArt() {
    return FolderArt(VSKTHEME_ART_DIR);
}
#endif
