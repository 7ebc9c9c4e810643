#include "framework/win/menus/ShortCuts.h"

#include <array>
#include <utility>

namespace {
constexpr TShortCut KeyMask = 0x00FF;
constexpr int ScanCodeShift = 16;
constexpr int KeyNameSize = 64;

// The keys whose names menus spell their own way.
constexpr std::array<std::pair<WORD, const char*>, 15> KeyNames{{{VK_BACK, "BkSp"},
                                                                 {VK_TAB, "Tab"},
                                                                 {VK_RETURN, "Enter"},
                                                                 {VK_ESCAPE, "Esc"},
                                                                 {VK_SPACE, "Space"},
                                                                 {VK_PRIOR, "PgUp"},
                                                                 {VK_NEXT, "PgDn"},
                                                                 {VK_END, "End"},
                                                                 {VK_HOME, "Home"},
                                                                 {VK_LEFT, "Left"},
                                                                 {VK_UP, "Up"},
                                                                 {VK_RIGHT, "Right"},
                                                                 {VK_DOWN, "Down"},
                                                                 {VK_INSERT, "Ins"},
                                                                 {VK_DELETE, "Del"}}};

std::string KeyName(WORD Key) {
    for (const auto& [Code, Name] : KeyNames)
        if (Code == Key) return Name;
    if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) return std::string(1, static_cast<char>(Key));
    if (Key >= VK_F1 && Key <= VK_F24) {
        std::string Name = "F";
        Name += std::to_string(Key - VK_F1 + 1);
        return Name;
    }
    // Any other key: the keyboard layout's name for it.
    char Name[KeyNameSize] = {};
    const UINT ScanCode = ::MapVirtualKeyA(Key, MAPVK_VK_TO_VSC);
    if (ScanCode && ::GetKeyNameTextA(static_cast<LONG>(ScanCode << ScanCodeShift), Name, KeyNameSize) > 0) return Name;
    return std::string();
}

bool IsModifierKey(WORD Key) {
    return Key == VK_SHIFT || Key == VK_CONTROL || Key == VK_MENU;
}
} // namespace

TShortCut ShortCut(WORD Key, TShiftState Shift) {
    if (Key & ~KeyMask) return scNone;
    TShortCut Result = Key;
    if (Shift.Contains(ssShift)) Result |= scShift;
    if (Shift.Contains(ssCtrl)) Result |= scCtrl;
    if (Shift.Contains(ssAlt)) Result |= scAlt;
    return Result;
}

void ShortCutToKey(TShortCut ShortCut, WORD& Key, TShiftState& Shift) {
    Key = ShortCut & KeyMask;
    Shift = {};
    if (ShortCut & scShift) Shift.Include(ssShift);
    if (ShortCut & scCtrl) Shift.Include(ssCtrl);
    if (ShortCut & scAlt) Shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut ShortCut) {
    const std::string Name = KeyName(ShortCut & KeyMask);
    if (Name.empty()) return Name;
    std::string Text;
    if (ShortCut & scShift) Text += "Shift+";
    if (ShortCut & scCtrl) Text += "Ctrl+";
    if (ShortCut & scAlt) Text += "Alt+";
    Text += Name;
    return Text;
}

TShortCut ShortCutFromMessage(const TMessage& KeyMessage) {
    const auto Key = static_cast<WORD>(KeyMessage.WParam);
    if (IsModifierKey(Key)) return scNone;
    return ShortCut(Key, KeyDataToShiftState(KeyMessage.LParam));
}
