#include "tools/skinart/art/ArtOutput.h"

#include "tools/skinart/art/ArtCatalog.h"
#include "tools/skinart/art/IconArt.h"
#include "tools/skinart/raster/BmpFile.h"
#include "tools/skinart/raster/IconFile.h"

#include <sstream>

namespace skinart {

namespace {
std::string BitmapFile(const std::string& name) {
    return name + ".bmp";
}
std::string IconFile() {
    return std::string(kMainIconName) + ".ico";
}
} // namespace

std::vector<std::string> OutputFileNames() {
    std::vector<std::string> names;
    for (const TArtItem& item : ArtCatalog())
        names.push_back(BitmapFile(item.Name));
    names.push_back(IconFile());
    names.push_back(kResourceScriptName);
    return names;
}

std::string ResourceScript() {
    std::ostringstream out;
    out << "// Written by the skin art generator (tools/skinart): every skin picture, the program icon and the\n"
           "// main window's banner. Edit the generator, not this file.\n\n";
    out << kMainIconName << " ICON \"" << IconFile() << "\"\n\n";
    for (const TArtItem& item : ArtCatalog())
        out << item.Name << " BITMAP \"" << BitmapFile(item.Name) << "\"\n";
    return out.str();
}

void WriteArt(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    for (const TArtItem& item : ArtCatalog())
        SaveFile(folder / BitmapFile(item.Name), EncodeBmp(item.Render()));
    SaveFile(folder / IconFile(), EncodeIcon(RenderMainIcon()));
    const std::string script = ResourceScript();
    SaveFile(folder / kResourceScriptName, TBytes(script.begin(), script.end()));
}

} // namespace skinart
