#include "framework/win/WindowingClasses.h"

#include "framework/core/ClassRegistry.h"
#include "framework/win/Form.h"
#include "framework/win/Image.h"
#include "framework/win/Label.h"
#include "framework/win/Panel.h"
#include "framework/win/Timer.h"

void RegisterWindowingClasses() {
    RegisterClasses({&TForm::StaticClassInfo(), &TPanel::StaticClassInfo(), &TLabel::StaticClassInfo(),
                     &TImage::StaticClassInfo(), &TTimer::StaticClassInfo()});
}
