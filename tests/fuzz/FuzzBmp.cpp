// The BMP decoder, on whole files and on packed DIBs (resources, the clipboard): every bit depth it knows, every
// header size, bit fields and colour tables. What decodes must be a consistent picture, and encoding its pixels
// again must give a file that decodes to the same pixels.
#include "framework/core/BmpCodec.h"
#include "framework/core/InvalidGraphic.h"
#include "tests/fuzz/FuzzCheck.h"

#include <optional>
#include <span>
#include <vector>

namespace {

constexpr int KnownBitCounts[] = {1, 4, 8, 16, 24, 32};
constexpr int EncodedBitCount = 32; // keeps every channel and the alpha byte of a decoded pixel
constexpr int MaxDimension = 32767;

void CheckPicture(const TDecodedBmp& Bmp) {
    FUZZ_CHECK(Bmp.Width > 0 && Bmp.Width <= MaxDimension && Bmp.Height > 0 && Bmp.Height <= MaxDimension);
    FUZZ_CHECK(Bmp.Pixels.size() == static_cast<std::size_t>(Bmp.Width) * Bmp.Height);
    bool Known = false;
    for (int BitCount : KnownBitCounts)
        Known = Known || Bmp.BitCount == BitCount;
    FUZZ_CHECK(Known);

    const auto* TopRow = reinterpret_cast<const std::uint8_t*>(Bmp.Pixels.data());
    const std::ptrdiff_t Stride = static_cast<std::ptrdiff_t>(Bmp.Width) * sizeof(std::uint32_t);
    const std::vector<std::uint8_t> File =
        EncodeBmpFile(TopRow, Bmp.Width, Bmp.Height, Stride, EncodedBitCount, BmpPixelsPerMetreAt96Dpi);
    const TDecodedBmp Again = DecodeBmpFile(File);
    FUZZ_CHECK(Again.Width == Bmp.Width && Again.Height == Bmp.Height && Again.Pixels == Bmp.Pixels);
}

// Refusal (EInvalidGraphic) is the one way a broken or hostile picture may end; what is accepted is checked
// outside the handler, so that a refusal of our own encoder's file is a finding.
template<class TDecode>
void TryDecode(TDecode Decode, std::span<const std::uint8_t> Bytes) {
    std::optional<TDecodedBmp> Bmp;
    try {
        Bmp = Decode(Bytes);
    } catch (const EInvalidGraphic&) {
        return;
    }
    CheckPicture(*Bmp);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const std::span<const std::uint8_t> Bytes(Data, Size);
    TryDecode(DecodeBmpFile, Bytes);
    TryDecode(DecodePackedDib, Bytes);
    return 0;
}
