// The small value types of controls: alignment, anchors, text alignment, bidirectional mode, cursors, and
// the style and state flags that say how a control behaves. Enumerations that descriptions store by name
// come with their TEnumInfo.
#pragma once

#include "framework/core/Sets.h"

#include <cstdint>

struct TEnumInfo;

// Where a control sits in its parent: at a side (stacked in the classic order top, bottom, left, right, then
// client, which takes what is left), or placed by its own bounds (alNone) or by the parent (alCustom).
enum TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
extern const TEnumInfo TAlignInfo;

// The parent's edges a control keeps its distance to when the parent is resized.
enum TAnchorKind : std::uint8_t { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
extern const TEnumInfo TAnchorKindInfo;
inline constexpr TAnchors DefaultAnchors{akLeft, akTop};

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
extern const TEnumInfo TAlignmentInfo;

// Stored for descriptions; the controls lay out left to right.
enum TBiDiMode : std::uint8_t { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
extern const TEnumInfo TBiDiModeInfo;

// Cursors: crDefault (0) lets the parent or the window class decide; the negative values are the system's.
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

// How a control behaves, fixed by its class (constructors set it).
enum TControlStyleItem : std::uint8_t {
    csAcceptsControls, // other controls may be placed on it
    csCaptureMouse,    // keeps the mouse while a button is held
    csClickEvents,     // a press and release inside make a click
    csSetCaption,      // naming the control also sets its caption while the two are equal
    csOpaque,          // paints its whole area: nothing behind it needs erasing
    csDoubleClicks,    // a fast second press is a double click (otherwise a plain press)
    csReplicatable,    // can be drawn again elsewhere (PaintTo) from its state alone
};
using TControlStyle = TSet<TControlStyleItem>;

// What a control is doing right now.
enum TControlStateItem : std::uint8_t {
    csLButtonDown,
    csClicked,         // pressed with csClickEvents: a release inside clicks
    csAlignmentNeeded, // an alignment was requested while alignment was disabled
    csFocusing,
    csCreating,
    csDestroyingHandle, // no new window may be made while the old one goes
    csRecreating,
};
using TControlState = TSet<TControlStateItem>;

// The frame of a window: forms use all of them, controls with a border only bsNone and bsSingle.
enum TFormBorderStyle : std::uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
extern const TEnumInfo TFormBorderStyleInfo;
extern const TEnumInfo TBorderStyleInfo;
