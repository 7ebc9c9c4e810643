#include "framework/win/ComponentClasses.h"

#include "framework/core/ClassRegistry.h"
#include "framework/win/controls/Button.h"
#include "framework/win/controls/CheckListBox.h"
#include "framework/win/controls/Image.h"
#include "framework/win/controls/Label.h"
#include "framework/win/controls/ListView.h"
#include "framework/win/controls/Memo.h"
#include "framework/win/controls/OpenDialog.h"
#include "framework/win/controls/Panel.h"
#include "framework/win/controls/StatusBar.h"
#include "framework/win/controls/ToolBar.h"
#include "framework/win/forms/Form.h"
#include "framework/win/forms/Timer.h"
#include "framework/win/graphics/ImageList.h"
#include "framework/win/menus/MainMenu.h"
#include "framework/win/menus/PopupMenu.h"

void RegisterWinComponentClasses() {
    RegisterClasses({&TImageList::StaticClassInfo(), &TForm::StaticClassInfo(), &TPanel::StaticClassInfo(),
                     &TLabel::StaticClassInfo(), &TImage::StaticClassInfo(), &TTimer::StaticClassInfo(),
                     &TMemo::StaticClassInfo(), &TListView::StaticClassInfo(), &TButton::StaticClassInfo(),
                     &TStatusBar::StaticClassInfo(), &TToolBar::StaticClassInfo(), &TToolButton::StaticClassInfo(),
                     &TMainMenu::StaticClassInfo(), &TPopupMenu::StaticClassInfo(), &TMenuItem::StaticClassInfo(),
                     &TCheckListBox::StaticClassInfo(), &TOpenDialog::StaticClassInfo()});
}
