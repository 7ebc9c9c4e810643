#include "skin/frame/Vskframeclasses.h"

#include "framework/core/ClassRegistry.h"
#include "skin/frame/Vskform.h"
#include "skin/frame/Vskmdiform.h"
#include "skin/frame/Vsktitlebar.h"

// The title bar's system menu is made by its title bar, never by a description, so it is not listed.
void RegisterSkinFrameClasses() {
    RegisterClasses(
        {&TvskForm::StaticClassInfo(), &TvskMDIForm::StaticClassInfo(), &TvskTitleBar::StaticClassInfo()});
}
