#include "tools/skinart/raster/IconFile.h"

#include "framework/core/BmpCodec.h"

#include <stdexcept>

namespace skinart {

namespace {
constexpr std::uint16_t kIconType = 1;
constexpr std::uint16_t kBitsPerPixel = 32;
constexpr int kMaxIconSide = 256;
// A pixel less opaque than this is see-through for consumers that only read the AND mask.
constexpr std::uint8_t kMaskAlpha = 128;
constexpr int kBitsPerByte = 8;

TBytes EncodeIconImage(const TRgbaImage& image) {
    TBytes out;
    // BITMAPINFOHEADER of an icon image: the height counts the colour rows and the mask rows.
    PutU32(out, BmpInfoHeaderSize);
    PutI32(out, image.Width);
    PutI32(out, image.Height * 2);
    PutU16(out, 1);
    PutU16(out, kBitsPerPixel);
    PutU32(out, 0);
    PutU32(out, 0);
    PutI32(out, 0);
    PutI32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    for (int y = image.Height - 1; y >= 0; --y)
        for (int x = 0; x < image.Width; ++x) {
            const TRgba& p = image.At(x, y);
            PutU8(out, p.B);
            PutU8(out, p.G);
            PutU8(out, p.R);
            PutU8(out, p.A);
        }
    const int maskStride = IconMaskStride(image.Width);
    for (int y = image.Height - 1; y >= 0; --y) {
        TBytes row(static_cast<std::size_t>(maskStride), 0);
        for (int x = 0; x < image.Width; ++x)
            if (image.At(x, y).A < kMaskAlpha)
                row[x / kBitsPerByte] |= static_cast<std::uint8_t>(0x80 >> (x % kBitsPerByte));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
} // namespace

int IconMaskStride(int width) {
    return (width + 31) / 32 * 4;
}

TBytes EncodeIcon(const std::vector<TRgbaImage>& images) {
    std::vector<TBytes> encoded;
    for (const TRgbaImage& image : images) {
        if (image.Width <= 0 || image.Height <= 0 || image.Width > kMaxIconSide || image.Height > kMaxIconSide)
            throw std::invalid_argument("icon image size out of range");
        encoded.push_back(EncodeIconImage(image));
    }
    TBytes out;
    PutU16(out, 0);
    PutU16(out, kIconType);
    PutU16(out, static_cast<std::uint16_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(kIconDirectorySize + kIconEntrySize * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        // A side of 256 is stored as 0.
        PutU8(out, static_cast<std::uint8_t>(images[i].Width % kMaxIconSide));
        PutU8(out, static_cast<std::uint8_t>(images[i].Height % kMaxIconSide));
        PutU8(out, 0); // no palette
        PutU8(out, 0);
        PutU16(out, 1);
        PutU16(out, kBitsPerPixel);
        PutU32(out, static_cast<std::uint32_t>(encoded[i].size()));
        PutU32(out, offset);
        offset += static_cast<std::uint32_t>(encoded[i].size());
    }
    for (const TBytes& e : encoded)
        out.insert(out.end(), e.begin(), e.end());
    return out;
}

} // namespace skinart
