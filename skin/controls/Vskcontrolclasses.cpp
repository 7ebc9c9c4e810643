#include "skin/controls/Vskcontrolclasses.h"

#include "framework/core/ClassRegistry.h"
#include "skin/controls/Vskbutton.h"
#include "skin/controls/Vskcheckbox.h"
#include "skin/controls/Vskcheckgroup.h"
#include "skin/controls/Vskgroupbox.h"
#include "skin/controls/Vskimagebutton.h"
#include "skin/controls/Vskimagepanel.h"
#include "skin/controls/Vsklistview.h"
#include "skin/controls/Vskmainmenu.h"
#include "skin/controls/Vskmemo.h"
#include "skin/controls/Vskmsnpopform.h"
#include "skin/controls/Vskpanel.h"
#include "skin/controls/Vskprogressbar.h"
#include "skin/controls/Vskscrollbar.h"
#include "skin/controls/Vskstatusbar.h"
#include "skin/controls/Vsktoolbarspeedbutton.h"
#include "skin/controls/Vsktrackbar.h"
#include "skin/frame/Vskmdiform.h"

void RegisterSkinControlClasses() {
    RegisterClasses({&TvskButton::StaticClassInfo(), &TvskArrowButton::StaticClassInfo(),
                     &TvskImageButton::StaticClassInfo(), &TvskControlButton::StaticClassInfo(),
                     &TvskToolBarSpeedButton::StaticClassInfo(), &TvskCheckBox::StaticClassInfo(),
                     &TvskRadioButton::StaticClassInfo(), &TvskImagePanel::StaticClassInfo(),
                     &TvskPanel::StaticClassInfo(), &TvskStatusBar::StaticClassInfo(),
                     &TvskProgressBar::StaticClassInfo(), &TvskMSNPopForm::StaticClassInfo(),
                     &TvskScrollBar::StaticClassInfo(), &TvskScrollTrackBar::StaticClassInfo(),
                     &TvskListView::StaticClassInfo(), &TvskMemo::StaticClassInfo(),
                     &TvskGroupBox::StaticClassInfo(), &TvskCheckGroup::StaticClassInfo(),
                     &TvskRadioGroup::StaticClassInfo(), &TvskMainMenu::StaticClassInfo(),
                     &TvskMDIForm::StaticClassInfo()});
}
