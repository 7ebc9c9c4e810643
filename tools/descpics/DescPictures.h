// Fills the picture placeholders of a window description with pictures made at build time.
//
// A description kept in the repository names its pictures instead of carrying their bytes, which would go stale
// whenever the art generator changes:
//
//   Picture.Data = '@bitmap:BANNER.bmp'
//
// FillPictures replaces each such string value, wherever it stands (also inside collection items), by the binary
// value a picture property stores: the graphic's class name (one length byte, then "TBitmap") followed by the
// length of the BMP file as a 32-bit little-endian integer and the file's bytes.
#pragma once

#include "framework/core/DescriptionTree.h"

#include <string>
#include <string_view>

inline constexpr std::string_view BitmapPlaceholder = "@bitmap:";

// Replaces every placeholder in Root by the picture read from PictureDir; returns how many it replaced. A picture
// that cannot be read raises EFOpenError naming the file; a placeholder naming no file raises EReadError.
int FillPictures(TDescObject& Root, const std::string& PictureDir);
