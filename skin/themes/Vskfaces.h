// Faces of skinned buttons: which frame of a style's strip a button shows in each of its states. The skin
// strips put a control's faces side by side (a push button: normal, mouse over, pressed; a check box:
// checked, unchecked, checked disabled, unchecked disabled; the title buttons and the scroll arrows: several
// such groups in one strip), so a control keeps one small table instead of a chain of ifs:
//
//   constexpr TvskFaceTable CheckedFaces{1, 1, 1, 3};
//   SpitBitmap(Strip, Face, 4, CheckedFaces.Frame(FaceState(Enabled(), FHot, FPressed)));
#pragma once

#include <array>
#include <cstdint>

// The states a face is chosen by, in the order of a table's columns.
enum TvskFaceState : std::uint8_t { vskFaceNormal, vskFaceHot, vskFacePressed, vskFaceDisabled };
inline constexpr int VskFaceStateCount = 4;

// A disabled control shows its disabled face whatever the mouse does; otherwise pressed wins over hot. (A
// control that lets go of the press when the pointer leaves it, as the push button does, then shows its
// normal face at once.)
constexpr TvskFaceState FaceState(bool Enabled, bool Hot, bool Pressed) {
    if (!Enabled) return vskFaceDisabled;
    if (Pressed) return vskFacePressed;
    return Hot ? vskFaceHot : vskFaceNormal;
}

// The frame (counted from 1, as SpitBitmap counts) shown in each state.
struct TvskFaceTable {
    std::array<std::uint8_t, VskFaceStateCount> Frames;

    constexpr int Frame(TvskFaceState State) const { return Frames[State]; }
    // The same faces Groups groups of GroupSize frames further along the strip: the next title button kind,
    // the other scroll arrow.
    constexpr TvskFaceTable Shifted(int Groups, int GroupSize) const {
        TvskFaceTable Result = *this;
        for (std::uint8_t& Frame : Result.Frames)
            Frame = static_cast<std::uint8_t>(Frame + Groups * GroupSize);
        return Result;
    }
};

// A push button's three-frame strip: 1 normal (and disabled), 2 mouse over, 3 pressed.
inline constexpr TvskFaceTable VskPushButtonFaces{{1, 2, 3, 1}};
inline constexpr int VskPushButtonFrameCount = 3;

// A check mark's four-frame strip (check boxes and radio buttons): 1 checked, 2 unchecked, 3 checked and
// disabled, 4 unchecked and disabled. The pointer and the press change nothing of a mark.
inline constexpr TvskFaceTable VskCheckedFaces{{1, 1, 1, 3}};
inline constexpr TvskFaceTable VskUncheckedFaces{{2, 2, 2, 4}};
inline constexpr int VskCheckMarkFrameCount = 4;
