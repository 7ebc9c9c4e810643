// Rectangles and points that are the Win32 structures themselves (pass them straight to the API), with the
// few helpers that drawing code keeps needing. Right and Bottom are exclusive, as everywhere in Win32.
#pragma once

#include <windows.h>

struct TPoint : POINT {
    constexpr TPoint() : POINT{0, 0} {}
    constexpr TPoint(int X, int Y) : POINT{X, Y} {}
    constexpr TPoint(const POINT& P) : POINT(P) {}
    friend constexpr bool operator==(const TPoint& A, const TPoint& B) { return A.x == B.x && A.y == B.y; }
};

struct TRect : RECT {
    constexpr TRect() : RECT{0, 0, 0, 0} {}
    constexpr TRect(int Left, int Top, int Right, int Bottom) : RECT{Left, Top, Right, Bottom} {}
    constexpr TRect(const RECT& R) : RECT(R) {}

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr TPoint TopLeft() const { return {left, top}; }

    friend constexpr bool operator==(const TRect& A, const TRect& B) {
        return A.left == B.left && A.top == B.top && A.right == B.right && A.bottom == B.bottom;
    }
};

// Rectangle from position and size, for code that thinks in (x, y, width, height).
constexpr TRect Bounds(int Left, int Top, int Width, int Height) {
    return TRect(Left, Top, Left + Width, Top + Height);
}
