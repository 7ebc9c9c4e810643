#include "skin/themes/Vskthemes.h"

#include "framework/core/Properties.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Bitmap.h"
#include "skin/themes/Vskcustomform.h"
#include "skin/themes/Vskmgr.h"
#include "skin/themes/Vskpublic.h"

#include <string_view>

namespace {

constexpr std::string_view SkinnedClassPrefix = "Tvsk";

void LoadResource(TBitmap& Bmp, const TvskBuiltInEntry& Entry) {
    if (Entry.Kind == vskKindBitmap) Bmp.LoadFromResourceName(::GetModuleHandleA(nullptr), Entry.Resource);
}

} // namespace

bool IsSkinnedComponent(const TComponent& Component) {
    return std::string_view(Component.ClassName()).starts_with(SkinnedClassPrefix);
}

void GetInsideThemeBitmap(TvskUIStyle UIStyle, int Index, TBitmap* Buf, int SpitCount, int SpitIndex) {
    if (!Buf) return;
    const TvskBuiltInEntry Entry = BuiltInThemeEntry(UIStyle, Index);
    if (SpitCount == 0) {
        LoadResource(*Buf, Entry);
        return;
    }
    TBitmap Strip;
    LoadResource(Strip, Entry);
    SpitBitmap(Strip, *Buf, SpitCount, SpitIndex);
}

bool UsingFileTheme(const TvskFileTheme* FileTheme, TvskUIStyle UIStyle, TvskUIStyle& VskStyle) {
    VskStyle = UIStyle;
    if (UIStyle != FromThemeFile) return false;
    if (FileTheme && FileTheme->CanUse()) return true;
    VskStyle = DeepBlue;
    return false;
}

TvskUIStyle GetVSKFormStyle(const TComponent* Owner) {
    const auto* Form = dynamic_cast<const TCustomForm*>(Owner);
    if (!Form) return DeepBlue;
    for (int I = 0; I < Form->ControlCount(); ++I) {
        if (const auto* Frame = dynamic_cast<const TvskCustomForm*>(Form->Controls(I))) return Frame->UIStyle();
    }
    return DeepBlue;
}

void ContainerApplyUIStyle(const TWinControl& Container, TvskUIStyle UIStyle, TvskFileTheme* FileTheme) {
    for (int I = 0; I < Container.ControlCount(); ++I) {
        TControl& Child = *Container.Controls(I);
        if (!IsHasProperty(Child, VskFileThemeProperty) || !IsHasProperty(Child, VskUIStyleProperty)) continue;
        SetObjectProp(Child, VskFileThemeProperty, FileTheme);
        SetOrdProp(Child, VskUIStyleProperty, UIStyle);
    }
}

bool IsHasProperty(const TObject& Component, std::string_view Name) {
    return HasProperty(Component, Name);
}
