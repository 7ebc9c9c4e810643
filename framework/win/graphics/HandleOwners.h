// RAII owners for GDI and USER handles, and a non-owning type for handles that belong to someone else.
//
// Each owner is movable but not copyable: exactly one object is responsible for destroying a handle. Owners
// report to THandleCounts so tests can prove that every handle came back.
#pragma once

#include "framework/win/graphics/HandleCounts.h"

#include <windows.h>

#include <commctrl.h>

#include <utility>

// Owns one handle and destroys it with Traits::Destroy. Traits name the handle type and its THandleKind.
template<class Traits>
class THandleOwner {
public:
    using THandle = typename Traits::THandle;

    THandleOwner() = default;
    // Takes ownership of Handle (a null handle is fine: the owner then stays empty).
    explicit THandleOwner(THandle Handle) : FHandle(Handle) {
        if (FHandle) THandleCounts::Acquired(Traits::Kind);
    }
    ~THandleOwner() { Reset(); }

    THandleOwner(const THandleOwner&) = delete;
    THandleOwner& operator=(const THandleOwner&) = delete;
    THandleOwner(THandleOwner&& Other) noexcept : FHandle(std::exchange(Other.FHandle, THandle{})) {}
    THandleOwner& operator=(THandleOwner&& Other) noexcept {
        if (this != &Other) {
            Reset();
            FHandle = std::exchange(Other.FHandle, THandle{});
        }
        return *this;
    }

    THandle Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != THandle{}; }

    // Destroys the current handle (if any) and takes ownership of Handle.
    void Reset(THandle Handle = THandle{}) {
        if (FHandle) {
            Traits::Destroy(FHandle);
            THandleCounts::Released(Traits::Kind);
        }
        FHandle = Handle;
        if (FHandle) THandleCounts::Acquired(Traits::Kind);
    }

    // Gives the handle away without destroying it, for APIs that take ownership (SetWindowRgn, SetMenu).
    [[nodiscard]] THandle Release() {
        if (FHandle) THandleCounts::Released(Traits::Kind);
        return std::exchange(FHandle, THandle{});
    }

private:
    THandle FHandle{};
};

// A handle this code uses but must not destroy (a DC handed to WM_PAINT, a stock object, a shared icon).
// A distinct type so that reading a signature tells who owns what.
template<class THandle>
class TBorrowedHandle {
public:
    TBorrowedHandle() = default;
    explicit TBorrowedHandle(THandle Handle) : FHandle(Handle) {}
    THandle Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != THandle{}; }

private:
    THandle FHandle{};
};

// Handle traits: the Win32 type, the counting kind and the one call that frees it.
template<class T, THandleKind K>
struct TGdiObjectTraits {
    using THandle = T;
    static constexpr THandleKind Kind = K;
    static void Destroy(T Handle) { ::DeleteObject(Handle); }
};

struct TMemoryDCTraits {
    using THandle = HDC;
    static constexpr THandleKind Kind = THandleKind::MemoryDC;
    static void Destroy(HDC Handle) { ::DeleteDC(Handle); }
};

struct TIconTraits {
    using THandle = HICON;
    static constexpr THandleKind Kind = THandleKind::Icon;
    static void Destroy(HICON Handle) { ::DestroyIcon(Handle); }
};

struct TCursorTraits {
    using THandle = HCURSOR;
    static constexpr THandleKind Kind = THandleKind::Cursor;
    static void Destroy(HCURSOR Handle) { ::DestroyCursor(Handle); }
};

struct TMenuTraits {
    using THandle = HMENU;
    static constexpr THandleKind Kind = THandleKind::Menu;
    static void Destroy(HMENU Handle) { ::DestroyMenu(Handle); }
};

struct TImageListTraits {
    using THandle = HIMAGELIST;
    static constexpr THandleKind Kind = THandleKind::ImageList;
    static void Destroy(HIMAGELIST Handle) { ::ImageList_Destroy(Handle); }
};

struct THookTraits {
    using THandle = HHOOK;
    static constexpr THandleKind Kind = THandleKind::Hook;
    static void Destroy(HHOOK Handle) { ::UnhookWindowsHookEx(Handle); }
};

using TBitmapHandle = THandleOwner<TGdiObjectTraits<HBITMAP, THandleKind::Bitmap>>;
using TBrushHandle = THandleOwner<TGdiObjectTraits<HBRUSH, THandleKind::Brush>>;
using TPenHandle = THandleOwner<TGdiObjectTraits<HPEN, THandleKind::Pen>>;
using TFontHandle = THandleOwner<TGdiObjectTraits<HFONT, THandleKind::Font>>;
using TRegionHandle = THandleOwner<TGdiObjectTraits<HRGN, THandleKind::Region>>;
using TMemoryDCHandle = THandleOwner<TMemoryDCTraits>;
using TIconHandle = THandleOwner<TIconTraits>;
using TCursorHandle = THandleOwner<TCursorTraits>;
using TMenuHandle = THandleOwner<TMenuTraits>;
using TImageListHandle = THandleOwner<TImageListTraits>;
using THookHandle = THandleOwner<THookTraits>;

using TBorrowedDC = TBorrowedHandle<HDC>;
using TBorrowedBrush = TBorrowedHandle<HBRUSH>;

// One of GDI's stock brushes (BLACK_BRUSH, NULL_BRUSH, ...): shared by every process and never deleted.
inline TBorrowedBrush StockBrush(int Index) {
    return TBorrowedBrush(static_cast<HBRUSH>(::GetStockObject(Index)));
}
