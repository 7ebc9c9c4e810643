// The open-file dialog: the filter in the system's form, and Execute with the system's dialog answered
// the way a user would (a name typed and OK, or Cancel).
#include "tests/support/ScratchFolder.h"

#include "framework/win/controls/OpenDialog.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr const char* DialogTitle = "Choose a theme for the test";
constexpr UINT_PTR AnswerTimer = 0x7E57;
constexpr UINT AnswerInterval = 100;
constexpr int FileNameCombo = 0x47C; // cmb13: the name box of an explorer-style dialog
constexpr int FileNameEdit = 0x480;  // edt1: the same in the older layout

// What the timer does once the dialog is up: type TypedName (when not empty) and press OK, else Cancel.
std::string TypedName;

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR Timer, DWORD) {
    const HWND Dialog = ::FindWindowA("#32770", DialogTitle);
    if (!Dialog) return;
    ::KillTimer(nullptr, Timer);
    if (TypedName.empty()) {
        ::PostMessageA(Dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    for (int Id : {FileNameCombo, FileNameEdit})
        if (const HWND Box = ::GetDlgItem(Dialog, Id)) ::SetWindowTextA(Box, TypedName.c_str());
    ::PostMessageA(Dialog, WM_COMMAND, IDOK, 0);
}

} // namespace

TEST(OpenDialogTest, TheFilterSeparatesItsPartsWithNulCharacters) {
    EXPECT_EQ(std::string("VanSkin Theme File(*.vsk)\0*.vsk\0\0", 33),
              SystemFileFilter("VanSkin Theme File(*.vsk)|*.vsk"));
    EXPECT_EQ(std::string("A\0*.a\0B\0*.b;*.c\0\0", 17), SystemFileFilter("A|*.a|B|*.b;*.c"));
}

TEST(OpenDialogTest, ExecuteReturnsTheChosenFileOrFalseWhenCancelled) {
    const std::unique_ptr<TOpenDialog> Dialog(new TOpenDialog(nullptr));
    Dialog->SetTitle(DialogTitle);
    Dialog->SetFilter("VanSkin Theme File(*.vsk)|*.vsk|All files|*.*");
    const TScratchFolder Folder;
    Dialog->SetInitialDir(Folder.Path().string());

    TypedName = Folder.File("chosen.vsk");
    ::SetTimer(nullptr, AnswerTimer, AnswerInterval, &AnswerDialog);
    ASSERT_TRUE(Dialog->Execute());
    EXPECT_EQ(TypedName, Dialog->FileName());
    ASSERT_EQ(1, Dialog->Files()->Count());
    EXPECT_EQ(TypedName, Dialog->Files()->Get(0));
    EXPECT_EQ(1, Dialog->FilterIndex());

    TypedName.clear();
    ::SetTimer(nullptr, AnswerTimer, AnswerInterval, &AnswerDialog);
    EXPECT_FALSE(Dialog->Execute());
    EXPECT_EQ(Folder.File("chosen.vsk"), Dialog->FileName()); // unchanged by a cancel
}
