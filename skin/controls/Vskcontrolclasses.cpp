#include "skin/controls/Vskcontrolclasses.h"

#include "framework/core/ClassRegistry.h"
#include "skin/controls/Vskmsnpopform.h"
#include "skin/controls/Vskprogressbar.h"

void RegisterSkinControlClasses() {
    RegisterClasses({&TvskProgressBar::StaticClassInfo(), &TvskMSNPopForm::StaticClassInfo()});
}
