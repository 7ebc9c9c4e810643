#include "tools/skinart/preview/Preview.h"

#include "tools/skinart/art/ArtCatalog.h"
#include "tools/skinart/art/IconArt.h"
#include "tools/skinart/preview/PreviewScenes.h"
#include "tools/skinart/preview/PreviewSheet.h"
#include "tools/skinart/raster/BmpFile.h"

#include <algorithm>
#include <string>

namespace skinart {

namespace {
constexpr int kSheetWidth = 1400;
constexpr int kMaxMagnification = 3;
constexpr int kIconMagnification = 4;
constexpr int kSceneMagnification = 2;
constexpr int kNarrowButton = 80;
constexpr int kWideButton = 240;
constexpr int kTitleWidth = 520;
constexpr int kButtonHeight = 27;
constexpr int kSheetMargin = 40;
constexpr float kByteMax = 255.0f;
constexpr const char* kStateNames[] = {"normal", "hover", "pressed"};
constexpr TRgb kDarkBackdrop = Hex(0x203050);

std::string Label(const TArtItem& item) {
    std::string label = item.Name + " " + std::to_string(item.Layout.Width) + "x" + std::to_string(item.Layout.Height);
    if (item.Layout.Frames > 1) label += " /" + std::to_string(item.Layout.Frames);
    return label;
}

bool BelongsTo(const TArtItem& item, const TStylePalette& style) {
    return item.Name.rfind(std::string(style.Prefix) + "_", 0) == 0;
}

void AddPicture(TPreviewSheet& sheet, const TArtItem& item) {
    const TRgbImage picture = item.Render();
    const int factor = std::clamp((kSheetWidth - kSheetMargin) / picture.Width(), 1, kMaxMagnification);
    sheet.Add(Label(item), Magnified(picture, factor));
}

TRgbImage StyleSheet(const TStylePalette& style) {
    TPreviewSheet sheet(kSheetWidth);
    sheet.Heading(std::string(style.Name) + " pictures");
    for (const TArtItem& item : ArtCatalog())
        if (BelongsTo(item, style)) AddPicture(sheet, item);
    sheet.Heading("Button faces stretched nine-slice to 80x27 and 240x27");
    for (TState state : kStates) {
        const char* name = kStateNames[static_cast<int>(state)];
        sheet.Add(name, ButtonScene(style, kNarrowButton, kButtonHeight, state).Scaled(kSceneMagnification));
        sheet.Add(name, ButtonScene(style, kWideButton, kButtonHeight, state).Scaled(kSceneMagnification));
    }
    sheet.Heading("Title bar");
    for (TState state : kStates)
        sheet.Add(kStateNames[static_cast<int>(state)],
                  TitleScene(style, kTitleWidth, state).Scaled(kSceneMagnification));
    sheet.Heading("Scroll bars, progress and track bars, panel caption, tabs, side channel");
    sheet.Add("scroll bars", ScrollBarScene(style).Scaled(kSceneMagnification));
    sheet.Add("bars", BarScene(style).Scaled(kSceneMagnification));
    sheet.Add("panel", PanelScene(style).Scaled(kSceneMagnification));
    return sheet.Compose();
}

TRgbImage SharedSheet() {
    TPreviewSheet sheet(kSheetWidth);
    sheet.Heading("Pictures of no style");
    for (const TArtItem& item : ArtCatalog()) {
        const bool styled = std::any_of(StylePalettes().begin(), StylePalettes().end(),
                                        [&](const TStylePalette& s) { return BelongsTo(item, s); });
        if (!styled) AddPicture(sheet, item);
    }
    sheet.Heading("MAINICON on white and on dark blue");
    const std::vector<TRgbaImage> icons = RenderMainIcon();
    for (TRgb backdrop : {White, kDarkBackdrop})
        for (const TRgbaImage& icon : icons) {
            TRgbImage flat(icon.Width, icon.Height);
            for (int y = 0; y < icon.Height; ++y)
                for (int x = 0; x < icon.Width; ++x) {
                    const TRgba& p = icon.At(x, y);
                    flat.Set(x, y, Mix(backdrop, {p.R, p.G, p.B}, p.A / kByteMax));
                }
            sheet.Add(std::to_string(icon.Width), flat.Scaled(kIconMagnification));
        }
    return sheet.Compose();
}

} // namespace

void WritePreviews(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    for (const TStylePalette& style : StylePalettes())
        SaveFile(folder / (std::string(style.Name) + ".bmp"), EncodeBmp(StyleSheet(style)));
    SaveFile(folder / "Shared.bmp", EncodeBmp(SharedSheet()));
}

} // namespace skinart
