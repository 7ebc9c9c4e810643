// Theme files (.vsk): the signature test, the reader's walk of the entry chain, the lookup of every theme entry's
// key and the decoding of every image entry, as a file theme does when it loads a theme from anywhere.
#include "framework/core/Streams.h"
#include "framework/core/BmpCodec.h"
#include "framework/core/InvalidGraphic.h"
#include "skin/themes/Vskthemefile.h"
#include "skin/themes/Vskthemetables.h"
#include "tests/fuzz/FuzzCheck.h"

#include <span>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    TMemoryStream File;
    File.WriteBuffer(Data, static_cast<std::int64_t>(Size));
    File.SetPosition(0);
    IsVSKThemeData(File);
    File.SetPosition(0);

    // The reader trusts none of the chain: what it keeps lies inside the file, so a small file can never make
    // it hold more than its own size.
    const TvskThemeFileReader Reader(File);
    for (int Index = 1; Index <= VSK_THEME_ENTRY_COUNT; ++Index) {
        const char* Key = ThemeEntryKey(Index);
        if (TMemoryStream* Image = Reader.GetFile(Key)) {
            FUZZ_CHECK(Image->Position() == 0 && Image->Size() <= static_cast<std::int64_t>(Size));
            try {
                const TDecodedBmp Bmp = DecodeBmpFile(
                    std::span<const std::uint8_t>(Image->Memory(), static_cast<std::size_t>(Image->Size())));
                FUZZ_CHECK(Bmp.Pixels.size() == static_cast<std::size_t>(Bmp.Width) * Bmp.Height);
            } catch (const EInvalidGraphic&) {
                // A damaged image is a missing one to the theme's users.
            }
        }
        Reader.GetInteger(Key);
        Reader.GetBool(Key);
        FUZZ_CHECK(Reader.GetStr(Key).size() <= Size);
    }
    return 0;
}
