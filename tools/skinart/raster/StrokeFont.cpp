#include "tools/skinart/raster/StrokeFont.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <sstream>
#include <stdexcept>

namespace skinart {

namespace {

// Paths: "M x y" starts a line, "L x y" continues it, "A cx cy rx ry from to" continues it along an
// elliptic arc (degrees, y down, so 90 points down), "U" lifts the pen so that the next arc starts afresh.
struct TGlyphSource {
    char Ch;
    const char* Path;
};

constexpr TGlyphSource kGlyphSources[] = {
    {'A', "M0 8 L2.75 0 L5.5 8 M1 5.2 L4.5 5.2"},
    {'B', "M0 8 L0 0 L3 0 A3 2 2 2 -90 90 L0 4 M3 4 A3 6 2.2 2 -90 90 L0 8"},
    {'C', "U A3.6 4 3.6 4 -40 -320"},
    {'D', "M0 0 L0 8 L2 8 A2 4 3.4 4 90 -90 L0 0"},
    {'E', "M5 0 L0 0 L0 8 L5 8 M0 4 L4 4"},
    {'F', "M5 0 L0 0 L0 8 M0 4 L4 4"},
    {'G', "U A3.6 4 3.6 4 -40 -360 L4.2 4"},
    {'H', "M0 0 L0 8 M5 0 L5 8 M0 4 L5 4"},
    {'I', "M0 0 L0 8"},
    {'J', "M3.5 0 L3.5 5.8 A1.75 5.8 1.75 2.2 0 180"},
    {'K', "M0 0 L0 8 M5 0 L0 5.2 M1.7 3.9 L5 8"},
    {'L', "M0 0 L0 8 L4.5 8"},
    {'M', "M0 8 L0 0 L3.25 6 L6.5 0 L6.5 8"},
    {'N', "M0 8 L0 0 L5 8 L5 0"},
    {'O', "U A3.6 4 3.6 4 0 360"},
    {'P', "M0 8 L0 0 L3 0 A3 2.2 2.2 2.2 -90 90 L0 4.4"},
    {'Q', "U A3.6 4 3.6 4 0 360 M4.2 5.6 L7 8.6"},
    {'R', "M0 8 L0 0 L3 0 A3 2.2 2.2 2.2 -90 90 L0 4.4 M2.6 4.4 L5.2 8"},
    {'S', "U A2.6 2 2.6 2 -20 -270 A2.6 6 2.6 2 -90 160"},
    {'T', "M0 0 L6 0 M3 0 L3 8"},
    {'U', "M0 0 L0 5.4 A2.6 5.4 2.6 2.6 180 0 L5.2 0"},
    {'V', "M0 0 L3 8 L6 0"},
    {'W', "M0 0 L2 8 L4 1.5 L6 8 L8 0"},
    {'X', "M0 0 L5 8 M5 0 L0 8"},
    {'Y', "M0 0 L3 4 L6 0 M3 4 L3 8"},
    {'Z', "M0 0 L5 0 L0 8 L5 8"},
    {'a', "U A2.25 5.5 2.25 2.5 0 360 M4.5 3 L4.5 8"},
    {'b', "M0 0 L0 8 U A2.25 5.5 2.25 2.5 0 360"},
    {'c', "U A2.3 5.5 2.3 2.5 -45 -315"},
    {'d', "U A2.25 5.5 2.25 2.5 0 360 M4.5 0 L4.5 8"},
    {'e', "M0.2 5.5 L4.5 5.5 A2.25 5.5 2.25 2.5 0 -310"},
    {'f', "M1.2 8 L1.2 2 A2.9 2 1.7 1.6 180 310 M0 3 L3.2 3"},
    {'g', "U A2.25 5.5 2.25 2.5 0 360 M4.5 3 L4.5 8.5 A2.25 8.5 2.25 1.5 0 160"},
    {'h', "M0 0 L0 8 M0 5.3 A2.25 5.3 2.25 2.3 180 360 L4.5 8"},
    {'i', "M0 3 L0 8 M0 0.9"},
    {'j', "M1.4 3 L1.4 8.6 A0 8.6 1.4 1.4 0 120 M1.4 0.9"},
    {'k', "M0 0 L0 8 M4 3 L0 6.2 M1.6 5 L4.2 8"},
    {'l', "M0 0 L0 8"},
    {'m', "M0 3 L0 8 M0 5 A1.75 5 1.75 2 180 360 L3.5 8 M3.5 5 A5.25 5 1.75 2 180 360 L7 8"},
    {'n', "M0 3 L0 8 M0 5.3 A2.25 5.3 2.25 2.3 180 360 L4.5 8"},
    {'o', "U A2.4 5.5 2.4 2.5 0 360"},
    {'p', "M0 3 L0 10 U A2.25 5.5 2.25 2.5 0 360"},
    {'q', "U A2.25 5.5 2.25 2.5 0 360 M4.5 3 L4.5 10"},
    {'r', "M0 3 L0 8 M0 5.5 A2.6 5.5 2.6 2.5 180 285"},
    {'s', "U A2 4.25 2 1.25 -20 -270 A2 6.75 2 1.25 -90 160"},
    {'t', "M1.2 0.8 L1.2 7 A2.7 7 1.5 1 180 90 M0 3 L3.2 3"},
    {'u', "M0 3 L0 5.7 A2.25 5.7 2.25 2.3 180 0 M4.5 3 L4.5 8"},
    {'v', "M0 3 L2.25 8 L4.5 3"},
    {'w', "M0 3 L1.5 8 L3 4 L4.5 8 L6 3"},
    {'x', "M0 3 L4.5 8 M4.5 3 L0 8"},
    {'y', "M0 3 L2.3 8.2 M4.5 3 L1.5 10"},
    {'z', "M0 3 L4.5 3 L0 8 L4.5 8"},
    {'0', "U A2.6 4 2.6 4 0 360"},
    {'1', "M0 1.6 L2 0 L2 8"},
    {'2', "U A2.5 2.4 2.5 2.4 -160 25 L0 8 L5 8"},
    {'3', "U A2.5 2 2.4 2 -160 90 A2.5 6 2.6 2 -90 160"},
    {'4', "M3.6 8 L3.6 0 L0 5.6 L5.2 5.6"},
    {'5', "M4.6 0 L0.8 0 L0.66 3.73 A2.5 5.5 2.5 2.5 -135 150"},
    {'6', "U A2.6 5.5 2.6 2.5 0 360 U A5.4 5.5 5.4 5.5 180 250"},
    {'7', "M0 0 L5 0 L1.6 8"},
    {'8', "U A2.6 2 2.2 2 0 360 U A2.6 6 2.6 2 0 360"},
    {'9', "U A2.6 2.5 2.6 2.5 0 360 U A0 2.5 5.2 5.5 0 70"},
    {'/', "M0 8.6 L4 -0.6"},
    {'?', "U A2.5 2.3 2.5 2.3 -160 90 L2.5 5.6 M2.5 7.9"},
    {'>', "M0 1.5 L4.5 4.5 L0 7.5"},
    {'_', "M0 8.8 L5 8.8"},
    {'.', "M0 7.9"},
    {':', "M0 3.5 M0 7.9"},
    {'-', "M0 4.5 L3 4.5"},
    {'=', "M0 3 L4.5 3 M0 6 L4.5 6"},
    {'+', "M0 4.5 L5 4.5 M2.5 2 L2.5 7"},
    {'%', "M0 8 L5 0 U A1.1 1.5 1.1 1.5 0 360 U A3.9 6.5 1.1 1.5 0 360"},
    {'(', "U A3 4 3 5 233 127"},
    {')', "U A0 4 3 5 -53 53"},
    {',', "M0.6 7.9 L0 9.5"},
};

// Grid units a blank takes.
constexpr float kBlankWidth = 3.0f;
// Degrees of arc per laid-out segment.
constexpr float kArcStepDegrees = 10.0f;
constexpr int kMinArcSegments = 4;

struct TGlyph {
    std::vector<std::vector<TPoint>> Lines;
    float MinX = 0;
    float MaxX = 0;
};

std::vector<std::vector<TPoint>> ParsePath(const char* path) {
    std::vector<std::vector<TPoint>> lines;
    bool penDown = false;
    std::istringstream in(path);
    char command = 0;
    while (in >> command) {
        switch (command) {
        case 'M': {
            TPoint p;
            in >> p.X >> p.Y;
            lines.push_back({p});
            penDown = true;
            break;
        }
        case 'L': {
            TPoint p;
            in >> p.X >> p.Y;
            if (!penDown) throw std::logic_error("glyph path draws a line without a start");
            lines.back().push_back(p);
            break;
        }
        case 'A': {
            float cx = 0, cy = 0, rx = 0, ry = 0, from = 0, to = 0;
            in >> cx >> cy >> rx >> ry >> from >> to;
            if (!penDown) lines.emplace_back();
            penDown = true;
            const int steps = std::max(kMinArcSegments, static_cast<int>(std::abs(to - from) / kArcStepDegrees));
            for (int i = 0; i <= steps; ++i) {
                const float a = (from + (to - from) * i / steps) * std::numbers::pi_v<float> / 180.0f;
                lines.back().push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
            }
            break;
        }
        case 'U': penDown = false; break;
        default: throw std::logic_error(std::string("unknown glyph path command ") + command);
        }
        if (!in) throw std::logic_error("malformed glyph path");
    }
    return lines;
}

const std::map<char, TGlyph>& Glyphs() {
    static const std::map<char, TGlyph> glyphs = [] {
        std::map<char, TGlyph> out;
        for (const TGlyphSource& source : kGlyphSources) {
            TGlyph g;
            g.Lines = ParsePath(source.Path);
            g.MinX = g.Lines.front().front().X;
            g.MaxX = g.MinX;
            for (const auto& line : g.Lines)
                for (const TPoint& p : line) {
                    g.MinX = std::min(g.MinX, p.X);
                    g.MaxX = std::max(g.MaxX, p.X);
                }
            out.emplace(source.Ch, std::move(g));
        }
        return out;
    }();
    return glyphs;
}

// Pixels from the start of one glyph to the start of the next.
float Advance(const TGlyph* glyph, const TTextStyle& style) {
    if (!glyph) return kBlankWidth * style.Unit;
    return (glyph->MaxX - glyph->MinX + style.Spacing) * style.Unit + 2 * style.HalfWidth;
}

const TGlyph* Find(char c) {
    const auto it = Glyphs().find(c);
    return it == Glyphs().end() ? nullptr : &it->second;
}

} // namespace

float TextWidth(std::string_view text, const TTextStyle& style) {
    float width = 0;
    for (char c : text)
        width += Advance(Find(c), style);
    // The last glyph needs no gap after it.
    if (!text.empty() && Find(text.back())) width -= style.Spacing * style.Unit;
    return width;
}

std::vector<TStroke> LayoutText(std::string_view text, TPoint origin, const TTextStyle& style) {
    std::vector<TStroke> shapes;
    float x = origin.X;
    for (char c : text) {
        const TGlyph* glyph = Find(c);
        if (glyph) {
            std::vector<std::vector<TPoint>> lines = glyph->Lines;
            for (auto& line : lines)
                for (TPoint& p : line)
                    p = {x + style.HalfWidth + (p.X - glyph->MinX) * style.Unit, origin.Y + p.Y * style.Unit};
            shapes.emplace_back(std::move(lines), style.HalfWidth);
        }
        x += Advance(glyph, style);
    }
    return shapes;
}

void DrawText(TCanvas& canvas, std::string_view text, TPoint origin, const TTextStyle& style, const TPaint& paint) {
    for (const TStroke& glyph : LayoutText(text, origin, style))
        canvas.Fill(glyph, paint);
}

} // namespace skinart
