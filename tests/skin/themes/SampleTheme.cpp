#include "tests/skin/themes/SampleTheme.h"

#include "tests/support/Pixels.h"

#include "framework/core/Streams.h"
#include "framework/win/graphics/Bitmap.h"
#include "skin/themes/Vskthemefile.h"

#include <cstdint>
#include <vector>

namespace {
constexpr int StripWidth = 6;
constexpr int StripHeight = 2;
constexpr int MiddleFrameLeft = 2;
} // namespace

void WriteSampleTheme(const std::string& FileName, TColor BackgroundColor, std::optional<int> MinWidth) {
    TBitmap Strip(StripWidth, StripHeight);
    Fill(Strip, clBlue);
    PutPixel(Strip, MiddleFrameLeft, 0, clRed);
    TMemoryStream Bmp;
    Strip.SaveToStream(Bmp);
    TvskThemeFileWriter Writer(FileName);
    Writer.AddFileData("ButtonImage", std::vector<std::uint8_t>(Bmp.Memory(), Bmp.Memory() + Bmp.Size()));
    Writer.AddInteger("FormBackgroundColor", static_cast<std::int32_t>(BackgroundColor));
    if (MinWidth) {
        Writer.AddInteger("FormMinWidthInt", *MinWidth);
        Writer.AddBool("ButtonTransparentBool", true);
    }
    Writer.Save();
}
