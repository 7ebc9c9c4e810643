#pragma once
// Contact sheets for looking at the art: per style every picture magnified, the button faces stretched as
// the engine stretches them, a title bar, scroll bars, a progress bar, a track bar and a panel caption put
// together from the pictures; and one sheet of the pictures that belong to no style.

#include <filesystem>

namespace skinart {

// Writes one BMP per style and Shared.bmp into the folder (created when missing).
void WritePreviews(const std::filesystem::path& folder);

} // namespace skinart
