#include "app/LookChoice.h"

#include "app/CLSettings.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/win/controls/OpenDialog.h"
#include "framework/win/forms/Application.h"
#include "framework/win/menus/MenuItem.h"
#include "skin/themes/Vskmgr.h"
#include "skin/themes/Vskthemetables.h"

#include <memory>

namespace {
constexpr const char* kLookSection = "Look";
constexpr const char* kStyleKey = "Style";
constexpr const char* kThemeFileKey = "ThemeFile";
constexpr const char* kLookCaption = "&Look";
constexpr const char* kThemeFileCaption = "&Theme File...";
constexpr const char* kThemeFilter = "VanSkin Theme File(*.vsk)|*.vsk";
constexpr const char* kInformation = "Information";
// The radio group of the look's items among their siblings.
constexpr int kLookGroup = 1;
} // namespace

VSK_IMPLEMENT_CLASS(TLookChoice)

void TLookChoice::Publish(TPublisher<TLookChoice>&) {}

// Starts at the look the window was stored with.
TLookChoice::TLookChoice(TComponent* AOwner) : TComponent(AOwner), m_nStyle(GetVSKFormStyle(AOwner)) {
    ChooseThemeFile = [](std::string& sPath) {
        const auto pDialog = std::make_unique<TOpenDialog>(nullptr);
        pDialog->SetFilter(kThemeFilter);
        pDialog->SetFileName(sPath);
        if (!pDialog->Execute()) return false;
        sPath = pDialog->FileName();
        return true;
    };
}

void TLookChoice::AddMenu(TMenuItem& Parent, int nIndex) {
    auto* pLook = new TMenuItem(this);
    pLook->SetCaption(kLookCaption);
    for (int nStyle = MacOS; nStyle <= BlueGlass; ++nStyle) {
        auto* pItem = new TMenuItem(this);
        pItem->SetCaption(TvskUIStyleInfo.Names[nStyle]);
        pItem->SetRadioItem(true);
        pItem->SetGroupIndex(kLookGroup);
        pItem->SetTag(nStyle);
        pItem->OnClick.Bind(this, &TLookChoice::StyleClick);
        pLook->Add(pItem);
        m_pStyleItems[nStyle] = pItem;
    }
    auto* pLine = new TMenuItem(this);
    pLine->SetCaption(TMenuItem::LineCaption);
    pLook->Add(pLine);
    m_pThemeFileItem = new TMenuItem(this);
    m_pThemeFileItem->SetCaption(kThemeFileCaption);
    m_pThemeFileItem->SetRadioItem(true);
    m_pThemeFileItem->SetGroupIndex(kLookGroup);
    m_pThemeFileItem->OnClick.Bind(this, &TLookChoice::ThemeFileClick);
    pLook->Add(m_pThemeFileItem);
    Parent.Insert(nIndex, pLook);
    CheckItems();
}

void TLookChoice::Restore() {
    const std::string sStyle = ReadSetting(kLookSection, kStyleKey, "");
    const int nStyle = TvskUIStyleInfo.IndexOf(sStyle);
    if (nStyle == FromThemeFile)
        SetThemeFile(ReadSetting(kLookSection, kThemeFileKey, ""), true);
    else if (nStyle > FromThemeFile)
        SetStyle(static_cast<TvskUIStyle>(nStyle));
}

// The file theme goes once no component reads from it any more.
void TLookChoice::SetStyle(TvskUIStyle nStyle) {
    m_nStyle = nStyle;
    std::unique_ptr<TvskFileTheme> pOld(m_pTheme);
    m_pTheme = nullptr;
    Apply();
    WriteSetting(kLookSection, kStyleKey, TvskUIStyleInfo.Names[nStyle]);
}

// The file is read into a theme of its own first, so that a file that cannot be read leaves the look in use.
bool TLookChoice::SetThemeFile(const std::string& sPath, bool bQuiet) {
    auto pTheme = std::make_unique<TvskFileTheme>(this);
    std::string sWhy;
    try {
        pTheme->SetThemeFile(sPath);
    } catch (const Exception& e) {
        sWhy = e.Message();
    }
    if (!pTheme->CanUse()) {
        if (!bQuiet) {
            const std::string sMessage = "The theme file " + sPath + " could not be read" +
                                         (sWhy.empty() ? std::string(".") : ": " + sWhy) +
                                         "\nThe window keeps its look.";
            Application->MessageBox(sMessage.c_str(), kInformation, MB_OK | MB_ICONWARNING);
        }
        return false;
    }
    std::unique_ptr<TvskFileTheme> pOld(m_pTheme);
    m_pTheme = pTheme.release();
    m_nStyle = FromThemeFile;
    m_sThemeFile = sPath;
    Apply();
    WriteSetting(kLookSection, kStyleKey, TvskUIStyleInfo.Names[FromThemeFile]);
    WriteSetting(kLookSection, kThemeFileKey, sPath);
    return true;
}

void TLookChoice::Apply() {
    if (Owner()) ApplyTo(*Owner());
    CheckItems();
}

// The file theme first, so that a component switched to FromThemeFile already reads the new theme.
void TLookChoice::ApplyTo(TComponent& Root) const {
    for (int i = 0; i < Root.ComponentCount(); ++i) {
        TComponent& Each = *Root.Components(i);
        if (HasProperty(Each, VskUIStyleProperty) && HasProperty(Each, VskFileThemeProperty)) {
            SetObjectProp(Each, VskFileThemeProperty, m_pTheme);
            SetOrdProp(Each, VskUIStyleProperty, m_nStyle);
        }
        ApplyTo(Each);
    }
}

void TLookChoice::CheckItems() {
    for (TMenuItem* pItem : m_pStyleItems)
        if (pItem) pItem->SetChecked(pItem->Tag() == m_nStyle);
    if (m_pThemeFileItem) m_pThemeFileItem->SetChecked(m_nStyle == FromThemeFile);
}

void TLookChoice::StyleClick(TObject* Sender) {
    SetStyle(static_cast<TvskUIStyle>(static_cast<TMenuItem*>(Sender)->Tag()));
}

void TLookChoice::ThemeFileClick(TObject*) {
    std::string sPath = m_sThemeFile;
    if (ChooseThemeFile(sPath)) SetThemeFile(sPath);
    CheckItems();
}

void TLookChoice::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_pTheme) m_pTheme = nullptr;
}
