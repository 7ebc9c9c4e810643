// The geometry of aligning and anchoring child controls, as pure functions on rectangles, so that it can be
// reasoned about (and tested) without windows.
//
// Alignment stacks the aligned controls against the sides of the container's client rectangle in the classic
// order: all alTop controls from the top down, then alBottom from the bottom up, alLeft, alRight, and finally
// alClient in what is left. Within one kind the controls keep the order of their current positions (the
// topmost alTop control stays first); the control whose alignment was just requested wins ties, so moving it
// past a sibling reorders the stack.
//
// Anchoring keeps an unaligned control at its distances to the anchored edges of its parent: anchored left
// and right it stretches, right only it moves along, neither it keeps its centre proportional.
#pragma once

#include "framework/win/graphics/Geometry.h"
#include "framework/win/windowing/ControlTypes.h"
#include "framework/win/windowing/SizeConstraints.h"

#include <span>

struct TAlignItem {
    TAlign Align = alNone;
    bool Visible = true;
    TRect Bounds;       // in: the current bounds; out: the aligned ones
    TSizeLimits Limits; // how the control would constrain the size it is given
};

// Aligns the visible items of every side kind and alClient inside Client, which shrinks by what they take.
// Priority is the index of the item whose alignment was requested, or -1. alNone and alCustom items are
// left alone.
void AlignItems(std::span<TAlignItem> Items, TRect& Client, int Priority = -1);

// Where an unaligned control was placed, and how large its parent's client area was then.
struct TAnchorRule {
    TRect Bounds;
    SIZE ParentSize{0, 0};
};

// The bounds the control takes with Anchors when its parent's client area has become ParentSize.
TRect AnchoredBounds(TAnchors Anchors, const TAnchorRule& Rule, SIZE ParentSize, const TSizeLimits& Limits);
