#include "skin/themes/Vskmgr.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/GraphicsExceptions.h"
#include "skin/themes/Vskfilesystem.h"
#include "skin/themes/Vskpublic.h"
#include "skin/themes/Vskthemefile.h"
#include "skin/themes/Vskthemes.h"

#include <optional>

namespace {

constexpr const char* InvalidSkinFile = "Invalid skin file for VanSkin!";

// Where a theme file named Value is looked for, in this order: as given, then its bare name in the
// program's folder, the Windows folder and the system folder.
std::optional<std::string> FindThemeFile(const std::string& Value) {
    if (FileExists(Value)) return Value;
    const std::string Name = FileNamePart(Value);
    const std::string Folders[] = {ProgramFolder(), WindowsFolder(), SystemFolder()};
    for (const std::string& Folder : Folders)
        if (!Folder.empty() && FileExists(Folder + Name)) return Folder + Name;
    return std::nullopt;
}

} // namespace

TvskFileThemeMgr::TvskFileThemeMgr() = default;
TvskFileThemeMgr::~TvskFileThemeMgr() = default;

void TvskFileThemeMgr::Load(const std::string& FileName) {
    FReader = std::make_unique<TvskThemeFileReader>(FileName);
}

TMemoryStream* TvskFileThemeMgr::GetFile(int Index) const {
    return FReader ? FReader->GetFile(ThemeEntryKey(Index)) : nullptr;
}

std::int32_t TvskFileThemeMgr::GetInteger(int Index) const {
    return FReader ? FReader->GetInteger(ThemeEntryKey(Index)) : 0;
}

bool TvskFileThemeMgr::GetBool(int Index) const {
    return FReader && FReader->GetBool(ThemeEntryKey(Index));
}

VSK_IMPLEMENT_CLASS(TvskFileTheme)

void TvskFileTheme::Publish(TPublisher<TvskFileTheme>& p) {
    p.Str("ThemeFile", &TvskFileTheme::ThemeFile, &TvskFileTheme::SetThemeFile);
}

TvskFileTheme::TvskFileTheme(TComponent* AOwner) : TComponent(AOwner) {}

bool TvskFileTheme::CheckThemeFile(const std::string& FileName) const {
    return IsVSKThemeFile(FileName);
}

void TvskFileTheme::SetThemeFile(const std::string& Value) {
    if (Value == FThemeFile) return;
    if (const std::optional<std::string> Found = FindThemeFile(Value)) LoadThemeFile(*Found);
}

// The name is taken only once the file has loaded: a file that vanishes or is locked after its check raises,
// and must leave the name of the theme still in use, or setting the same name again would do nothing.
void TvskFileTheme::LoadThemeFile(const std::string& FileName) {
    if (!CheckThemeFile(FileName)) throw Exception(InvalidSkinFile);
    FStore.Load(FileName);
    FThemeFile = FileName;
    RefreshConsumers();
}

void TvskFileTheme::RefreshConsumers() {
    auto* Form = dynamic_cast<TCustomForm*>(Owner());
    if (!Form) return;
    for (int I = 0; I < Form->ComponentCount(); ++I) {
        TComponent& Component = *Form->Components(I);
        if (IsSkinnedComponent(Component) && IsHasProperty(Component, VskFileThemeProperty) &&
            GetObjectProp(Component, VskFileThemeProperty) == this)
            SetObjectProp(Component, VskFileThemeProperty, this);
    }
}

void TvskFileTheme::GetBitmap(int Index, TBitmap* Buf) const {
    TMemoryStream* Image = FStore.GetFile(Index);
    if (!Buf || !Image) return;
    // A damaged image counts as a missing one: missing theme data means defaults, never errors.
    try {
        Buf->LoadFromStream(*Image);
    } catch (const EInvalidGraphic&) {
    }
}

void TvskFileTheme::GetBitmap(int Index, TBitmap* Buf, int SpitCount, int SpitIndex) const {
    if (!Buf) return;
    TBitmap Strip;
    GetBitmap(Index, &Strip);
    SpitBitmap(Strip, *Buf, SpitCount, SpitIndex);
}

TColor TvskFileTheme::GetColor(int Index) const {
    return static_cast<TColor>(FStore.GetInteger(Index));
}

int TvskFileTheme::GetInt(int Index) const {
    return FStore.GetInteger(Index);
}

bool TvskFileTheme::GetBool(int Index) const {
    return FStore.GetBool(Index);
}
