#include "framework/win/CommonControlClasses.h"

#include "framework/core/ClassRegistry.h"
#include "framework/win/Button.h"
#include "framework/win/CheckListBox.h"
#include "framework/win/ListView.h"
#include "framework/win/MainMenu.h"
#include "framework/win/Memo.h"
#include "framework/win/OpenDialog.h"
#include "framework/win/PopupMenu.h"
#include "framework/win/StatusBar.h"
#include "framework/win/ToolBar.h"

void RegisterCommonControlClasses() {
    RegisterClasses({&TMemo::StaticClassInfo(), &TListView::StaticClassInfo(), &TButton::StaticClassInfo(),
                     &TStatusBar::StaticClassInfo(), &TToolBar::StaticClassInfo(), &TToolButton::StaticClassInfo(),
                     &TMainMenu::StaticClassInfo(), &TPopupMenu::StaticClassInfo(), &TMenuItem::StaticClassInfo(),
                     &TCheckListBox::StaticClassInfo(), &TOpenDialog::StaticClassInfo()});
}
