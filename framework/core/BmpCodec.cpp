#include "framework/core/BmpCodec.h"

#include "framework/core/InvalidGraphic.h"

#include <array>
#include <bit>
#include <cstring>

namespace {

constexpr std::uint16_t BmpSignature = 0x4D42; // "BM", little-endian
constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t FileHeaderPixelOffsetAt = 10;

// Info header sizes we understand: OS/2 core, Windows 3 (40), the two Adobe variants that carry the RGB or
// RGBA masks inside the header, and the Windows 95 and 98 (V4, V5) headers.
constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = BmpInfoHeaderSize;
constexpr std::uint32_t RgbMasksHeaderSize = 52;
constexpr std::uint32_t RgbaMasksHeaderSize = 56;
constexpr std::uint32_t V4HeaderSize = 108;
constexpr std::uint32_t V5HeaderSize = 124;

constexpr std::uint32_t CompressionRgb = 0;
constexpr std::uint32_t CompressionBitfields = 3;
constexpr std::uint32_t CompressionAlphaBitfields = 6;

// Generous for skin art, small enough that a hostile header cannot make us allocate gigabytes.
constexpr std::int64_t MaxDimension = 32767;
constexpr std::int64_t MaxPixels = std::int64_t{1} << 24;

constexpr int MaxPaletteBits = 8;
constexpr std::uint32_t Rgb555Red = 0x7C00;
constexpr std::uint32_t Rgb555Green = 0x03E0;
constexpr std::uint32_t Rgb555Blue = 0x001F;
constexpr int BitsPerByte = 8;
constexpr std::size_t PaletteQuadSize = 4;   // blue, green, red, unused
constexpr std::size_t PaletteTripleSize = 3; // the OS/2 core header's blue, green, red
constexpr std::uint32_t ChannelMax = 255;

[[noreturn]] void Invalid() {
    throw EInvalidGraphic();
}

// Bounds-checked little-endian reads from the file image.
class TByteReader {
public:
    explicit TByteReader(std::span<const std::uint8_t> Data) : FData(Data) {}

    std::size_t Size() const { return FData.size(); }
    void Require(std::size_t Offset, std::size_t Count) const {
        if (Offset > FData.size() || Count > FData.size() - Offset) Invalid();
    }
    std::uint16_t U16(std::size_t Offset) const {
        Require(Offset, 2);
        return static_cast<std::uint16_t>(FData[Offset] | FData[Offset + 1] << BitsPerByte);
    }
    std::uint32_t U32(std::size_t Offset) const {
        Require(Offset, 4);
        std::uint32_t Value;
        std::memcpy(&Value, FData.data() + Offset, sizeof Value); // the targets are little-endian
        return Value;
    }
    std::int32_t I32(std::size_t Offset) const { return static_cast<std::int32_t>(U32(Offset)); }
    const std::uint8_t* At(std::size_t Offset) const { return FData.data() + Offset; }

private:
    std::span<const std::uint8_t> FData;
};

// One colour channel described by a bit mask: extracts the field and scales it to 0..255.
class TChannel {
public:
    TChannel() = default;
    explicit TChannel(std::uint32_t Mask)
        : FMask(Mask), FShift(Mask ? std::countr_zero(Mask) : 0), FMax(Mask ? Mask >> FShift : 0) {
        // A mask must be one run of bits, or the field cannot be read as a number.
        if (FMax & (FMax + 1)) Invalid();
    }
    std::uint32_t Mask() const { return FMask; }
    std::uint32_t Extract(std::uint32_t Pixel) const {
        if (!FMax) return 0;
        const std::uint64_t Field = (Pixel & FMask) >> FShift;
        return static_cast<std::uint32_t>((Field * ChannelMax + FMax / 2) / FMax);
    }

private:
    std::uint32_t FMask = 0;
    int FShift = 0;
    std::uint32_t FMax = 0;
};

std::uint32_t MakePixel(std::uint32_t Red, std::uint32_t Green, std::uint32_t Blue, std::uint32_t Alpha) {
    return Blue | Green << BitsPerByte | Red << (2 * BitsPerByte) | Alpha << (3 * BitsPerByte);
}

// Everything read from the headers that the pixel decoder needs.
struct TLayout {
    int Width = 0;
    int Height = 0;
    bool TopDown = false;
    int BitCount = 0;
    bool Bitfields = false;
    std::array<TChannel, 4> Channels;                         // red, green, blue, alpha
    std::array<std::uint32_t, 1 << MaxPaletteBits> Palette{}; // indices beyond the file's table stay black
    std::size_t PixelOffset = 0;
    std::size_t Stride = 0;
};

bool IsKnownHeaderSize(std::uint32_t Size) {
    return Size == CoreHeaderSize || Size == InfoHeaderSize || Size == RgbMasksHeaderSize ||
           Size == RgbaMasksHeaderSize || Size == V4HeaderSize || Size == V5HeaderSize;
}

void ReadMasks(const TByteReader& In, std::size_t MaskOffset, bool WithAlpha, TLayout& Layout) {
    constexpr std::size_t MaskSize = 4;
    const std::uint32_t Limit = Layout.BitCount == 32 ? 0xFFFFFFFFu : (1u << Layout.BitCount) - 1;
    std::uint32_t Seen = 0;
    const std::size_t Count = WithAlpha ? 4 : 3;
    for (std::size_t I = 0; I < Count; ++I) {
        const std::uint32_t Mask = In.U32(MaskOffset + I * MaskSize);
        if ((Mask & ~Limit) || (Mask & Seen)) Invalid(); // a field outside the pixel or two channels sharing bits
        Seen |= Mask;
        Layout.Channels[I] = TChannel(Mask);
    }
}

// Parses the info header at InfoOffset and the colour table after it. FilePixelOffset is the file header's
// pixel offset, or 0 for a packed DIB whose pixels follow the colour table.
TLayout ReadLayout(const TByteReader& In, std::size_t InfoOffset, std::size_t FilePixelOffset) {
    TLayout Layout;
    const std::uint32_t HeaderSize = In.U32(InfoOffset);
    if (!IsKnownHeaderSize(HeaderSize)) Invalid();
    In.Require(InfoOffset, HeaderSize);

    std::int64_t Width, Height;
    std::uint32_t Compression = CompressionRgb, ColorsUsed = 0;
    std::size_t PaletteEntrySize = PaletteQuadSize;
    if (HeaderSize == CoreHeaderSize) {
        Width = In.U16(InfoOffset + 4);
        Height = In.U16(InfoOffset + 6);
        if (In.U16(InfoOffset + 8) != 1) Invalid();
        Layout.BitCount = In.U16(InfoOffset + 10);
        PaletteEntrySize = PaletteTripleSize;
    } else {
        Width = In.I32(InfoOffset + 4);
        Height = In.I32(InfoOffset + 8);
        if (In.U16(InfoOffset + 12) != 1) Invalid();
        Layout.BitCount = In.U16(InfoOffset + 14);
        Compression = In.U32(InfoOffset + 16);
        ColorsUsed = In.U32(InfoOffset + 32);
    }

    Layout.TopDown = Height < 0;
    Height = Layout.TopDown ? -Height : Height;
    if (Width <= 0 || Height <= 0 || Width > MaxDimension || Height > MaxDimension || Width * Height > MaxPixels)
        Invalid();
    Layout.Width = static_cast<int>(Width);
    Layout.Height = static_cast<int>(Height);

    switch (Layout.BitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: break;
    default: Invalid();
    }

    std::size_t TableOffset = InfoOffset + HeaderSize;
    if (Compression == CompressionBitfields || Compression == CompressionAlphaBitfields) {
        if (Layout.BitCount != 16 && Layout.BitCount != 32) Invalid();
        Layout.Bitfields = true;
        const bool WithAlpha = Compression == CompressionAlphaBitfields || HeaderSize >= RgbaMasksHeaderSize;
        if (HeaderSize == InfoHeaderSize) {
            // The plain 40-byte header keeps its masks right after itself.
            ReadMasks(In, TableOffset, WithAlpha, Layout);
            TableOffset += (WithAlpha ? 4 : 3) * sizeof(std::uint32_t);
        } else if (HeaderSize >= RgbMasksHeaderSize) {
            ReadMasks(In, InfoOffset + InfoHeaderSize, WithAlpha, Layout);
        } else {
            Invalid();
        }
    } else if (Compression != CompressionRgb) {
        Invalid(); // run-length, JPEG and PNG payloads are not supported
    } else if (Layout.BitCount == 16) {
        Layout.Channels = {TChannel(Rgb555Red), TChannel(Rgb555Green), TChannel(Rgb555Blue), TChannel()};
    }

    // The colour table: a full palette for indexed pixels unless the header says fewer; an optional (ignored)
    // table for the others.
    const std::uint32_t MaxColors = Layout.BitCount <= MaxPaletteBits ? 1u << Layout.BitCount : 0;
    if (MaxColors && ColorsUsed > MaxColors) Invalid();
    const std::size_t TableColors = (MaxColors && !ColorsUsed) ? MaxColors : ColorsUsed;
    if (TableColors > In.Size() / PaletteEntrySize) Invalid();
    const std::size_t TableSize = TableColors * PaletteEntrySize;
    In.Require(TableOffset, TableSize);
    if (MaxColors) {
        for (std::size_t I = 0; I < TableColors; ++I) {
            const std::uint8_t* Entry = In.At(TableOffset + I * PaletteEntrySize);
            Layout.Palette[I] = MakePixel(Entry[2], Entry[1], Entry[0], 0);
        }
    }

    const std::size_t TableEnd = TableOffset + TableSize;
    if (FilePixelOffset == 0)
        Layout.PixelOffset = TableEnd;
    else if (FilePixelOffset < TableEnd)
        Invalid(); // pixels said to start inside the headers
    else
        Layout.PixelOffset = FilePixelOffset;

    constexpr std::size_t RowAlignBits = 32;
    const std::size_t RowBits = static_cast<std::size_t>(Layout.Width) * Layout.BitCount;
    Layout.Stride = (RowBits + RowAlignBits - 1) / RowAlignBits * sizeof(std::uint32_t);
    In.Require(Layout.PixelOffset, Layout.Stride * Layout.Height);
    return Layout;
}

std::uint32_t DecodePixel(const TLayout& Layout, const std::uint8_t* Row, int X) {
    switch (Layout.BitCount) {
    case 1:
    case 4:
    case 8: {
        const int BitPos = X * Layout.BitCount;
        const int Shift = BitsPerByte - Layout.BitCount - BitPos % BitsPerByte;
        const unsigned Index = (Row[BitPos / BitsPerByte] >> Shift) & ((1u << Layout.BitCount) - 1);
        return Layout.Palette[Index];
    }
    case 24: {
        const std::uint8_t* P = Row + X * 3;
        return MakePixel(P[2], P[1], P[0], 0);
    }
    default: {
        std::uint32_t Raw = 0;
        std::memcpy(&Raw, Row + X * (Layout.BitCount / BitsPerByte), Layout.BitCount / BitsPerByte);
        if (Layout.BitCount == 32 && !Layout.Bitfields) return Raw; // already blue, green, red, alpha
        const auto& C = Layout.Channels;
        return MakePixel(C[0].Extract(Raw), C[1].Extract(Raw), C[2].Extract(Raw), C[3].Extract(Raw));
    }
    }
}

TDecodedBmp DecodePixels(const TByteReader& In, const TLayout& Layout) {
    TDecodedBmp Result;
    Result.Width = Layout.Width;
    Result.Height = Layout.Height;
    Result.BitCount = Layout.BitCount;
    Result.Pixels.resize(static_cast<std::size_t>(Layout.Width) * Layout.Height);
    for (int Y = 0; Y < Layout.Height; ++Y) {
        const int FileRow = Layout.TopDown ? Y : Layout.Height - 1 - Y;
        const std::uint8_t* Row = In.At(Layout.PixelOffset + FileRow * Layout.Stride);
        std::uint32_t* Out = Result.Pixels.data() + static_cast<std::size_t>(Y) * Layout.Width;
        for (int X = 0; X < Layout.Width; ++X)
            Out[X] = DecodePixel(Layout, Row, X);
    }
    return Result;
}

void PutU16(std::vector<std::uint8_t>& Out, std::size_t Offset, std::uint16_t Value) {
    std::memcpy(Out.data() + Offset, &Value, sizeof Value);
}
void PutU32(std::vector<std::uint8_t>& Out, std::size_t Offset, std::uint32_t Value) {
    std::memcpy(Out.data() + Offset, &Value, sizeof Value);
}

} // namespace

TDecodedBmp DecodeBmpFile(std::span<const std::uint8_t> File) {
    const TByteReader In(File);
    if (In.U16(0) != BmpSignature) Invalid();
    const std::uint32_t PixelOffset = In.U32(FileHeaderPixelOffsetAt);
    // A zero offset is written by some old tools: the pixels then follow the colour table.
    return DecodePixels(In, ReadLayout(In, FileHeaderSize, PixelOffset));
}

TDecodedBmp DecodePackedDib(std::span<const std::uint8_t> Dib) {
    const TByteReader In(Dib);
    return DecodePixels(In, ReadLayout(In, 0, 0));
}

std::vector<std::uint8_t> EncodeBmpFile(const std::uint8_t* TopRow, int Width, int Height, std::ptrdiff_t Stride,
                                        int BitCount, std::int32_t PixelsPerMetre) {
    constexpr std::size_t HeadersSize = FileHeaderSize + InfoHeaderSize;
    if (Width <= 0 || Height <= 0 || (BitCount != 24 && BitCount != 32)) Invalid();
    const std::size_t BytesPerPixel = static_cast<std::size_t>(BitCount) / BitsPerByte;
    const std::size_t RowBytes = static_cast<std::size_t>(Width) * BytesPerPixel;
    const std::size_t FileStride = (RowBytes + 3) & ~std::size_t{3};
    // The file states its size in 32 bits.
    if (std::uint64_t{FileStride} * static_cast<std::uint64_t>(Height) > UINT32_MAX - HeadersSize) Invalid();
    const std::size_t ImageSize = FileStride * Height;

    std::vector<std::uint8_t> Out(HeadersSize + ImageSize);
    PutU16(Out, 0, BmpSignature);
    PutU32(Out, 2, static_cast<std::uint32_t>(Out.size()));
    PutU32(Out, FileHeaderPixelOffsetAt, static_cast<std::uint32_t>(HeadersSize));
    const std::size_t Info = FileHeaderSize;
    PutU32(Out, Info, InfoHeaderSize);
    PutU32(Out, Info + 4, static_cast<std::uint32_t>(Width));
    PutU32(Out, Info + 8, static_cast<std::uint32_t>(Height)); // positive: bottom-up, the most portable
    PutU16(Out, Info + 12, 1);
    PutU16(Out, Info + 14, static_cast<std::uint16_t>(BitCount));
    PutU32(Out, Info + 16, CompressionRgb);
    PutU32(Out, Info + 20, static_cast<std::uint32_t>(ImageSize));
    PutU32(Out, Info + 24, static_cast<std::uint32_t>(PixelsPerMetre));
    PutU32(Out, Info + 28, static_cast<std::uint32_t>(PixelsPerMetre));
    for (int Y = 0; Y < Height; ++Y) {
        const std::uint8_t* Source = TopRow + (Height - 1 - Y) * Stride;
        std::memcpy(Out.data() + HeadersSize + Y * FileStride, Source, RowBytes);
    }
    return Out;
}
