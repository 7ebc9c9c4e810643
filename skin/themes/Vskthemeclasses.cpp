#include "skin/themes/Vskthemeclasses.h"

#include "framework/core/ClassRegistry.h"
#include "skin/themes/Vskbuiltinfiletheme.h"
#include "skin/themes/Vskmgr.h"
#include "skin/themes/Vskthememanager.h"

void RegisterThemeClasses() {
    RegisterClasses({&TvskFileTheme::StaticClassInfo(), &TvskBuiltInFileTheme::StaticClassInfo(),
                     &TvskThemeManager::StaticClassInfo()});
}
