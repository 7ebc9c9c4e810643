#include "skin/SkinClasses.h"

#include "skin/controls/Vskcontrolclasses.h"
#include "skin/frame/Vskframeclasses.h"
#include "skin/themes/Vskthemeclasses.h"

void RegisterSkinClasses() {
    RegisterThemeClasses();
    RegisterSkinFrameClasses();
    RegisterSkinControlClasses();
}
