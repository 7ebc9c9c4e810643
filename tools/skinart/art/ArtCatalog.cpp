#include "tools/skinart/art/ArtCatalog.h"

#include "tools/skinart/art/BannerArt.h"
#include "tools/skinart/art/BarArt.h"
#include "tools/skinart/art/ButtonArt.h"
#include "tools/skinart/art/ExtraControlArt.h"
#include "tools/skinart/art/FormArt.h"
#include "tools/skinart/art/MarkArt.h"
#include "tools/skinart/art/NotificationArt.h"
#include "tools/skinart/art/PanelArt.h"
#include "tools/skinart/art/ScrollBarArt.h"
#include "tools/skinart/art/TitleArt.h"

#include <stdexcept>

namespace skinart {

namespace {

TPainter StyledPainter(TStyledArt art) {
    switch (art) {
    case TStyledArt::Button: return PaintButton;
    case TStyledArt::CheckBox: return PaintCheckBox;
    case TStyledArt::RadioButton: return PaintRadioButton;
    case TStyledArt::TitleButtons: return PaintTitleButtons;
    case TStyledArt::TitleLeft: return PaintTitleLeft;
    case TStyledArt::TitleClient: return PaintTitleClient;
    case TStyledArt::TitleRight: return PaintTitleRight;
    case TStyledArt::ProgressBar: return PaintProgressBar;
    case TStyledArt::TrackBarBar: return PaintTrackBarBar;
    case TStyledArt::TrackBarSlider: return PaintTrackBarSlider;
    case TStyledArt::TrackBarSliderV: return PaintTrackBarSliderV;
    case TStyledArt::ScrollBarButton: return PaintScrollArrows;
    case TStyledArt::ScrollBarTrack: return PaintScrollThumb;
    case TStyledArt::CheckList: return PaintCheckBox;
    case TStyledArt::ScrollButton: return PaintScrollArrows;
    case TStyledArt::Tab: return PaintTab;
    case TStyledArt::TabLine: return PaintTabLine;
    case TStyledArt::SideChannelHandle: return PaintSideChannelHandle;
    case TStyledArt::SideChannelBar: return PaintSideChannelBar;
    }
    throw std::logic_error("picture kind without a painter");
}

// Pictures outside the per-style table: loaded by name by the form frame, the menus, combo boxes, panels,
// the MDI frame, the main window and the pop-up notification. Unstyled ones are drawn in the neutral silver
// of the Protein row, the shared scroll buttons in the fallback style, the banner in the main window's style,
// the notification's close box in BlueGlass's.
std::vector<TArtItem> NamedPictures() {
    return {
        {"MACOS_FORM_BACKGROUND", {8, 8, 1}, PaintFormTexture, TStyleId::MacOS},
        {"PROTEIN_FORM_BACKGROUND", {8, 8, 1}, PaintFormTexture, TStyleId::Protein},
        {"MACOS_MENU_BAR", {1, 22, 1}, PaintMenuBar, TStyleId::MacOS},
        {"MACOS_MENU_SELECT", {1, 21, 1}, PaintMenuSelect, TStyleId::MacOS},
        {"MACOS_COMBOBOX_BUTTON", {16, 17, 1}, PaintComboButton, TStyleId::MacOS},
        {"WINXP_COMBOBOX_BUTTON", {16, 18, 1}, PaintComboButton, TStyleId::WinXP},
        {"MORE_SCROLLBUTTON", {72, 17, 6}, PaintScrollArrows, TStyleId::DeepBlue},
        {"PANEL_BUTTON", {52, 12, 4}, PaintPanelButton, TStyleId::Protein},
        {"MDI_CONTROL_BUTTON", {48, 16, 3}, PaintMdiButtons, TStyleId::Protein},
        {"MENU_CHECKED", {16, 16, 1}, PaintMenuCheck, TStyleId::Protein},
        {std::string(kBannerName), {300, 50, 1}, PaintBanner, TStyleId::BlueGlass},
        {std::string(kNotificationName), {kNotificationSize.Width, kNotificationSize.Height, 1}, PaintNotification,
         TStyleId::BlueGlass},
    };
}

std::vector<TArtItem> BuildCatalog() {
    std::vector<TArtItem> items;
    for (const TStylePalette& style : StylePalettes())
        for (const TStyledArtRow& row : StyledArtRows()) {
            const TSize size = row.Sizes[static_cast<int>(style.Id)];
            if (size.Present())
                items.push_back({StyledName(row.Art, style.Id),
                                 {size.Width, size.Height, row.Frames},
                                 StyledPainter(row.Art),
                                 style.Id});
        }
    for (TArtItem& item : NamedPictures())
        items.push_back(std::move(item));
    return items;
}

} // namespace

const std::vector<TArtItem>& ArtCatalog() {
    static const std::vector<TArtItem> items = BuildCatalog();
    return items;
}

const TArtItem& FindArt(std::string_view name) {
    for (const TArtItem& item : ArtCatalog())
        if (item.Name == name) return item;
    throw std::out_of_range("no picture named " + std::string(name));
}

} // namespace skinart
