#include "framework/win/WinClasses.h"

#include "framework/core/ClassRegistry.h"
#include "framework/win/ImageList.h"

void RegisterWinClasses() {
    RegisterClasses({&TImageList::StaticClassInfo()});
}
