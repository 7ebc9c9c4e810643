#include "tools/skinart/preview/PreviewScenes.h"

#include "tools/skinart/art/ArtCatalog.h"
#include "tools/skinart/preview/NineSlice.h"
#include "tools/skinart/preview/PreviewSheet.h"

#include <map>
#include <string>

namespace skinart {

namespace {
constexpr const char* kButtonCaption = "Add Command";
constexpr const char* kWindowCaption = "IBM AS/400 CL Command Vantrel";
constexpr const char* kPanelCaption = "Panel caption";
// Caption-button row placement of a stand-alone title bar, typical of the styles.
constexpr int kControlBoxLeft = 3;
constexpr int kButtonRowRight = -2;
constexpr int kCaptionGap = 5;
constexpr int kCaptionCapHeight = 8;
constexpr int kScrollBarLength = 130;
constexpr int kThumbLength = 40;
constexpr int kThumbOffset = 25;
constexpr int kSceneGap = 8;
constexpr float kDarkStripLuminance = 0.55f;
constexpr int kCaptionLeft = 10;
constexpr int kSceneInset = 4;
constexpr int kTabWidth = 30;
constexpr int kTabPitch = 36;
constexpr int kTabRowWidth = 120;
constexpr int kHandleMargin = 4;

int Frames(TStyledArt art) {
    return StyledArtRow(art).Frames;
}

// Scenes reuse pictures many times over; each is drawn once.
const TRgbImage& Picture(const TStylePalette& style, const char* suffix) {
    static std::map<std::string, TRgbImage> drawn;
    const std::string name = std::string(style.Prefix) + "_" + suffix;
    auto it = drawn.find(name);
    if (it == drawn.end()) it = drawn.emplace(name, FindArt(name).Render()).first;
    return it->second;
}

// What the form shows behind its controls: its texture where the style has one, else its colour.
TRgbImage Surface(const TStylePalette& style, int width, int height) {
    TRgbImage out(width, height, style.FormBackground);
    if (style.Surface.Texture == TTexture::None) return out;
    const TRgbImage& tile = Picture(style, "FORM_BACKGROUND");
    for (int y = 0; y < height; y += tile.Height())
        for (int x = 0; x < width; x += tile.Width())
            out.Blit(tile, x, y);
    return out;
}

// The thumb as the scroll bar composes it: head, stretched body, tail.
TRgbImage Thumb(const TRgbImage& strip, int length, bool vertical) {
    const int pieces = Frames(TStyledArt::ScrollBarTrack);
    TRgbImage head = strip.Frame(pieces, 0);
    TRgbImage body = strip.Frame(pieces, 1);
    TRgbImage tail = strip.Frame(pieces, 2);
    if (vertical) {
        head = TurnRight(head);
        body = TurnRight(body);
        tail = TurnRight(tail);
        TRgbImage out(head.Width(), length);
        out.Blit(body.Stretched(head.Width(), length - head.Height() - tail.Height()), 0, head.Height());
        out.Blit(head, 0, 0);
        out.Blit(tail, 0, length - tail.Height());
        return out;
    }
    TRgbImage out(length, head.Height());
    out.Blit(body.Stretched(length - head.Width() - tail.Width(), head.Height()), head.Width(), 0);
    out.Blit(head, 0, 0);
    out.Blit(tail, length - tail.Width(), 0);
    return out;
}

TRgbImage VerticalBar(const TStylePalette& style, int upFrame, int downFrame) {
    const TRgbImage arrows = Picture(style, "SCROLLBAR_BUTTON");
    const TRgbImage up = arrows.Frame(Frames(TStyledArt::ScrollBarButton), upFrame);
    const TRgbImage down = arrows.Frame(Frames(TStyledArt::ScrollBarButton), downFrame);
    TRgbImage bar(up.Width(), kScrollBarLength, style.ScrollBackground);
    BlitKeyed(bar, up, 0, 0, up.At(0, 0));
    BlitKeyed(bar, down, 0, kScrollBarLength - down.Height(), down.At(0, 0));
    const TRgbImage thumb = Thumb(Picture(style, "SCROLLBAR_TRACK"), kThumbLength, true);
    bar.Blit(thumb, (bar.Width() - thumb.Width()) / 2, up.Height() + kThumbOffset);
    return bar;
}

TRgbImage HorizontalBar(const TStylePalette& style) {
    const TRgbImage arrows = Picture(style, "SCROLLBAR_BUTTON");
    const int frames = Frames(TStyledArt::ScrollBarButton);
    const TRgbImage left = TurnLeft(arrows.Frame(frames, 0));
    const TRgbImage right = TurnLeft(arrows.Frame(frames, frames / 2));
    TRgbImage bar(kScrollBarLength, left.Height(), style.ScrollBackground);
    BlitKeyed(bar, left, 0, 0, left.At(0, 0));
    BlitKeyed(bar, right, kScrollBarLength - right.Width(), 0, right.At(0, 0));
    const TRgbImage thumb = Thumb(Picture(style, "SCROLLBAR_TRACK"), kThumbLength, false);
    bar.Blit(thumb, left.Width() + kThumbOffset, (bar.Height() - thumb.Height()) / 2);
    return bar;
}

TRgbImage SideBySide(const std::vector<TRgbImage>& parts, TRgb background) {
    int width = 0;
    int height = 0;
    for (const TRgbImage& p : parts) {
        width += p.Width() + kSceneGap;
        height = std::max(height, p.Height());
    }
    TRgbImage out(width, height, background);
    int x = 0;
    for (const TRgbImage& p : parts) {
        out.Blit(p, x, 0);
        x += p.Width() + kSceneGap;
    }
    return out;
}
} // namespace

TRgbImage ButtonScene(const TStylePalette& style, int width, int height, TState state) {
    TRgbImage scene = Surface(style, width, height);
    NineSlice(Picture(style, "BUTTON").Frame(Frames(TStyledArt::Button), static_cast<int>(state)), scene);
    const int push = state == TState::Pressed ? 1 : 0;
    const int textWidth = LabelWidth(kButtonCaption);
    DrawLabel(scene, kButtonCaption, (width - textWidth) / 2 + push, (height - kCaptionCapHeight) / 2 - 1 + push,
              Black);
    return scene;
}

TRgbImage TitleScene(const TStylePalette& style, int width, TState state) {
    const TRgbImage left = Picture(style, "TITLE_LEFT");
    const TRgbImage client = Picture(style, "TITLE_CLIENT");
    const TRgbImage right = Picture(style, "TITLE_RIGHT");
    const TRgbImage buttons = Picture(style, "TITLEBTN");
    TRgbImage bar(width, left.Height(), style.FormBackground);
    bar.Blit(client.Stretched(std::max(0, width - left.Width() - right.Width()), client.Height()), left.Width(), 0);
    bar.Blit(left, 0, 0);
    bar.Blit(right, width - right.Width(), 0);
    const int side = buttons.Height();
    auto face = [&](int glyph) {
        return buttons.Frame(Frames(TStyledArt::TitleButtons), glyph * std::ssize(kStates) + static_cast<int>(state));
    };
    auto put = [&](const TRgbImage& f, int x) {
        if (style.TitleButtonKeying == TKeying::Keyed)
            BlitKeyed(bar, f, x, style.TitleButtonTop, f.At(0, f.Height() - 1));
        else
            bar.Blit(f, x, style.TitleButtonTop);
    };
    int x = width + kButtonRowRight + 1;
    constexpr int kClose = 5, kMaximise = 2, kMinimise = 4, kControlBox = 0;
    for (int glyph : {kClose, kMaximise, kMinimise}) {
        x -= side + 1;
        put(face(glyph), x);
    }
    put(face(kControlBox), kControlBoxLeft);
    const TRgb ink = style.Id == TStyleId::MacOS ? Black : White;
    DrawLabel(bar, kWindowCaption, kControlBoxLeft + side + kCaptionGap,
              style.TitleButtonTop + (side - kCaptionCapHeight) / 2 - 1, ink);
    return bar;
}

TRgbImage ScrollBarScene(const TStylePalette& style) {
    return SideBySide(
        {VerticalBar(style, 0, 3), VerticalBar(style, 1, 4), VerticalBar(style, 2, 5), HorizontalBar(style)},
        style.FormBackground);
}

TRgbImage BarScene(const TStylePalette& style) {
    constexpr int kProgressWidth = 150, kProgressHeight = 12, kTrackWidth = 150, kTrackHeight = 26;
    TRgbImage progress(kProgressWidth, kProgressHeight, Black);
    progress.FillRect(1, 1, kProgressWidth - 1, kProgressHeight - 1, style.ControlBackground);
    const int filled = (kProgressWidth - 1) / 2;
    progress.Blit(Picture(style, "PROGRESSBAR").Stretched(filled - 1, kProgressHeight - 2), 1, 1);
    DrawLabel(progress, "50%", (kProgressWidth - LabelWidth("50%")) / 2, 1, Black);
    TRgbImage track(kTrackWidth, kTrackHeight, style.ControlBackground);
    const TRgbImage groove = Picture(style, "TRACKBAR_BAR");
    ThreeSlice(groove, track, kSceneInset, kTrackHeight / 2 - groove.Height() / 2, kTrackWidth - 2 * kSceneInset);
    const TRgbImage slider = Picture(style, "TRACKBAR_SLIDER");
    BlitKeyed(track, slider, kTrackWidth / 2, (kTrackHeight - slider.Height()) / 2, KeyColor);
    // The vertical bar: the groove laid out lengthwise, then turned; its slider points right.
    TRgbImage lying(kTrackWidth / 2, kTrackHeight, style.ControlBackground);
    ThreeSlice(groove, lying, kSceneInset, kTrackHeight / 2 - groove.Height() / 2, lying.Width() - 2 * kSceneInset);
    TRgbImage trackV = TurnLeft(lying);
    const TRgbImage sliderV = Picture(style, "TRACKBAR_SLIDER_V");
    BlitKeyed(trackV, sliderV, (kTrackHeight - sliderV.Width()) / 2, trackV.Height() / 2, KeyColor);
    return SideBySide({progress, track, trackV}, style.FormBackground);
}

TRgbImage PanelScene(const TStylePalette& style) {
    constexpr int kWidth = 220, kBodyHeight = 30;
    const TRgbImage strip = Picture(style, "SIDECHENNEL_BAR");
    TRgbImage panel(kWidth, strip.Height() + kBodyHeight, Hex(0x7F7F7F));
    panel.FillRect(1, 1, kWidth - 1, panel.Height() - 1, White);
    panel.Blit(strip.Stretched(kWidth - 2, strip.Height()), 1, 0);
    const TRgb ink = Luminance(strip.At(0, strip.Height() / 2)) > kDarkStripLuminance ? Black : White;
    DrawLabel(panel, kPanelCaption, kCaptionLeft, (strip.Height() - kCaptionCapHeight) / 2 - 1, ink);
    const TRgbImage handle = Picture(style, "SIDECHENNEL_HANDLE");
    const TRgbImage tab = Picture(style, "TAB");
    const TRgbImage line = Picture(style, "TAB_LINE");
    TRgbImage tabs(kTabRowWidth, tab.Height() + line.Height(), style.ControlBackground);
    for (int x = kSceneInset; x + kTabWidth < tabs.Width(); x += kTabPitch) {
        TRgbImage one(kTabWidth, tab.Height(), style.ControlBackground);
        NineSlice(tab, one);
        tabs.Blit(one, x, 0);
    }
    tabs.Blit(line.Stretched(tabs.Width(), line.Height()), 0, tab.Height());
    TRgbImage side(handle.Width() + kHandleMargin, handle.Height(), style.ControlBackground);
    BlitKeyed(side, handle, 0, 0, KeyColor);
    return SideBySide({panel, tabs, side}, style.FormBackground);
}

} // namespace skinart
