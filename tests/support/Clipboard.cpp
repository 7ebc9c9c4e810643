#include "tests/support/Clipboard.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

namespace {
// The clipboard is the system's, shared with every program: open only for the span of one read or write.
class TOpenClipboard {
public:
    TOpenClipboard() : FOpen(::OpenClipboard(nullptr) != FALSE) {}
    ~TOpenClipboard() {
        if (FOpen) ::CloseClipboard();
    }
    TOpenClipboard(const TOpenClipboard&) = delete;
    TOpenClipboard& operator=(const TOpenClipboard&) = delete;

    explicit operator bool() const { return FOpen; }

private:
    bool FOpen;
};
} // namespace

std::string ClipboardText() {
    const TOpenClipboard Clipboard;
    if (!Clipboard) {
        ADD_FAILURE() << "the clipboard cannot be opened";
        return "";
    }
    std::string Text;
    if (HANDLE Data = ::GetClipboardData(CF_TEXT)) {
        if (const auto* Chars = static_cast<const char*>(::GlobalLock(Data))) {
            Text = Chars;
            ::GlobalUnlock(Data);
        }
    }
    return Text;
}

void SetClipboardText(const std::string& Text) {
    const TOpenClipboard Clipboard;
    ASSERT_TRUE(Clipboard) << "the clipboard cannot be opened";
    ::EmptyClipboard();
    HGLOBAL Memory = ::GlobalAlloc(GMEM_MOVEABLE, Text.size() + 1);
    ASSERT_NE(Memory, nullptr);
    std::memcpy(::GlobalLock(Memory), Text.c_str(), Text.size() + 1);
    ::GlobalUnlock(Memory);
    // The clipboard owns the memory once SetClipboardData succeeds; until then it is ours to free.
    if (!::SetClipboardData(CF_TEXT, Memory)) {
        ::GlobalFree(Memory);
        ADD_FAILURE() << "the clipboard took no text";
    }
}
