// The handle owners, their live counts, and the scoped guards.
#include "tests/support/ScratchWindow.h"

#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/HandleOwners.h"
#include "framework/win/graphics/ScopedGuards.h"

#include <gtest/gtest.h>

#include <utility>

TEST(HandleOwners, CountLiveHandlesAndDestroyEachOnce) {
    const long Before = THandleCounts::Live(THandleKind::Brush);
    {
        TBrushHandle Brush(::CreateSolidBrush(RGB(1, 2, 3)));
        ASSERT_TRUE(Brush);
        EXPECT_EQ(THandleCounts::Live(THandleKind::Brush), Before + 1);
        const HBRUSH Raw = Brush.Get();

        TBrushHandle Moved(std::move(Brush));
        EXPECT_FALSE(Brush);
        EXPECT_EQ(Moved.Get(), Raw);
        EXPECT_EQ(THandleCounts::Live(THandleKind::Brush), Before + 1);

        Moved.Reset(::CreateSolidBrush(RGB(4, 5, 6)));
        EXPECT_EQ(::GetObjectType(Raw), 0u); // the first brush is gone
        EXPECT_EQ(THandleCounts::Live(THandleKind::Brush), Before + 1);

        TBrushHandle Other;
        Other = std::move(Moved);
        EXPECT_EQ(THandleCounts::Live(THandleKind::Brush), Before + 1);
    }
    EXPECT_EQ(THandleCounts::Live(THandleKind::Brush), Before);
}

TEST(HandleOwners, ReleaseHandsOwnershipOver) {
    const long Before = THandleCounts::Live(THandleKind::Region);
    TRegionHandle Region(::CreateRectRgn(0, 0, 5, 5));
    const HRGN Raw = Region.Release();
    EXPECT_FALSE(Region);
    EXPECT_EQ(THandleCounts::Live(THandleKind::Region), Before);
    EXPECT_EQ(::GetObjectType(Raw), static_cast<DWORD>(OBJ_REGION)); // still alive: now the caller's
    ::DeleteObject(Raw);
}

TEST(DeviceContexts, WindowAndMemoryDCsAreGivenBack) {
    const long Windows = THandleCounts::Live(THandleKind::WindowDC);
    const long Memory = THandleCounts::Live(THandleKind::MemoryDC);
    {
        TWindowDC Screen(nullptr);
        const TMemoryDC Compatible(Screen.Handle());
        EXPECT_NE(Screen.Handle(), nullptr);
        EXPECT_NE(Compatible.Handle(), nullptr);
        TWindowDC Moved(std::move(Screen));
        EXPECT_EQ(Screen.Handle(), nullptr);
        EXPECT_EQ(THandleCounts::Live(THandleKind::WindowDC), Windows + 1);
        EXPECT_EQ(THandleCounts::Live(THandleKind::MemoryDC), Memory + 1);
    }
    EXPECT_EQ(THandleCounts::Live(THandleKind::WindowDC), Windows);
    EXPECT_EQ(THandleCounts::Live(THandleKind::MemoryDC), Memory);
}

TEST(ScopedGuards, RestoreWhatTheyChanged) {
    const TMemoryDC DC;
    const HDC H = DC.Handle();
    const HGDIOBJ OriginalPen = ::GetCurrentObject(H, OBJ_PEN);
    ::SetBkMode(H, OPAQUE);
    ::SetTextColor(H, RGB(1, 1, 1));
    {
        TPenHandle Pen(::CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
        TSelectObjectGuard Select(H, Pen.Get());
        TBkModeGuard Mode(H, TRANSPARENT);
        TTextColorGuard Text(H, RGB(9, 9, 9));
        EXPECT_EQ(::GetCurrentObject(H, OBJ_PEN), Pen.Get());
        EXPECT_EQ(::GetBkMode(H), TRANSPARENT);
        {
            TSaveDCGuard Saved(H);
            ::SetViewportOrgEx(H, 7, 8, nullptr);
            ::SetTextColor(H, RGB(2, 2, 2));
        }
        POINT Origin;
        ::GetViewportOrgEx(H, &Origin);
        EXPECT_EQ(Origin.x, 0);
        EXPECT_EQ(::GetTextColor(H), RGB(9, 9, 9));
    } // the guards end before the pen is deleted: it must not be selected any more by then
    EXPECT_EQ(::GetCurrentObject(H, OBJ_PEN), OriginalPen);
    EXPECT_EQ(::GetBkMode(H), OPAQUE);
    EXPECT_EQ(::GetTextColor(H), RGB(1, 1, 1));
}

TEST(ScopedGuards, CaptureIsReleasedAtTheEndOfTheScope) {
    const TScratchWindow Window(10, 10);
    ASSERT_NE(Window.Handle(), nullptr);
    {
        TCaptureGuard Capture(Window.Handle());
        EXPECT_EQ(::GetCapture(), Window.Handle());
    }
    EXPECT_EQ(::GetCapture(), nullptr);
}
