#include "tools/skinart/raster/BmpFile.h"

namespace skinart {

namespace {
constexpr std::uint16_t kBmpSignature = 0x4D42; // "BM"
constexpr int kBytesPerPixel = 3;
constexpr std::uint16_t kBitsPerPixel = 24;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::int32_t kPixelsPerMetre = 2835; // 72 dots per inch
} // namespace

int BmpRowStride(int width) {
    return (width * kBytesPerPixel + 3) / 4 * 4;
}

TBytes EncodeBmp(const TRgbImage& image) {
    const int stride = BmpRowStride(image.Width());
    const auto dataSize = static_cast<std::uint32_t>(stride * image.Height());
    const std::uint32_t dataOffset = kBmpFileHeaderSize + kBmpInfoHeaderSize;
    TBytes out;
    // BITMAPFILEHEADER
    PutU16(out, kBmpSignature);
    PutU32(out, dataOffset + dataSize);
    PutU32(out, 0);
    PutU32(out, dataOffset);
    // BITMAPINFOHEADER; a positive height means the rows are stored bottom up.
    PutU32(out, kBmpInfoHeaderSize);
    PutI32(out, image.Width());
    PutI32(out, image.Height());
    PutU16(out, 1);
    PutU16(out, kBitsPerPixel);
    PutU32(out, kBiRgb);
    PutU32(out, dataSize);
    PutI32(out, kPixelsPerMetre);
    PutI32(out, kPixelsPerMetre);
    PutU32(out, 0);
    PutU32(out, 0);
    // Pixel rows, written in place: the previews' sheets run to megabytes.
    out.resize(dataOffset + dataSize, 0);
    std::uint8_t* row = out.data() + dataOffset;
    for (int y = image.Height() - 1; y >= 0; --y, row += stride)
        for (int x = 0; x < image.Width(); ++x) {
            const TRgb c = image.At(x, y);
            row[x * kBytesPerPixel] = c.B;
            row[x * kBytesPerPixel + 1] = c.G;
            row[x * kBytesPerPixel + 2] = c.R;
        }
    return out;
}

} // namespace skinart
