// Fills the picture placeholders of a window description with pictures made at build time.
//
// A description kept in the repository names its pictures instead of carrying their bytes, which would go stale
// whenever the art generator changes:
//
//   Picture.Data = '@bitmap:BANNER.bmp'
//   PicNormal.Data = '@bitmap:BLUEGLASS_TITLEBTN.bmp#16/18'
//
// The second form takes one frame of a strip: the picture is cut into 18 frames of equal width side by side and
// frame 16 (counted from 1) becomes a picture of its own, written as a 24-bit BMP file, as a window keeps its
// own copies of a style's faces.
//
// FillPictures replaces each such string value, wherever it stands (also inside collection items), by the binary
// value a picture property stores: the graphic's class name (one length byte, then "TBitmap") followed by the
// length of the BMP file as a 32-bit little-endian integer and the file's bytes.
#pragma once

#include "framework/core/DescriptionTree.h"

#include <string>
#include <string_view>

inline constexpr std::string_view BitmapPlaceholder = "@bitmap:";
inline constexpr char FrameSeparator = '#';

// Replaces every placeholder in Root by the picture read from PictureDir; returns how many it replaced. A picture
// that cannot be read raises EFOpenError naming the file; a placeholder naming no file, or a frame that is not
// within the strip (or a strip whose width the frame count does not divide), raises EReadError.
int FillPictures(TDescObject& Root, const std::string& PictureDir);
