// TvskThemed<TBase>: the rules every skinned component follows, as a base over a framework class
// (TComponent, TGraphicControl, TCustomControl, TCustomPanel, ...):
//   - it publishes "UIStyle" and "FileTheme" (a TvskFileTheme it does not own); file themes, theme managers
//     and ContainerApplyUIStyle find and set them by name;
//   - SetUIStyle stores the style and calls the one hook ApplyUIStyle with the theme source the style and
//     the file theme resolve to; the component reads its entries from it, applies them and repaints;
//   - SetFileTheme stores the reference and applies the style again (FileThemeChanged);
//   - when its file theme is destroyed it lets go of it and falls back to DeepBlue (FileThemeRemoved);
//   - its constructor ends with ApplyStartUpStyle: the style of the skinned form on its owner form.
//
//   class TvskBevel : public TvskThemed<TGraphicControl> {
//       VSK_CLASS(TvskBevel, TvskThemed<TGraphicControl>)
//   public:
//       explicit TvskBevel(TComponent* AOwner) : inherited(AOwner) { ApplyStartUpStyle(); }
//   protected:
//       void ApplyUIStyle(const TvskThemeSource& Theme) override {
//           FColor = Theme.Color(VSK_THEME_CONTROL_BORDER_COLOR);
//           Invalidate();
//       }
//   };
#pragma once

#include "framework/core/Component.h"
#include "framework/core/Publisher.h"
#include "skin/themes/Vskmgr.h"
#include "skin/themes/Vskthemes.h"
#include "skin/themes/Vskthemesource.h"

#include <string>

template<class TBase>
class TvskThemed : public TBase {
public:
    using inherited = TBase;

    static const TClassInfo& StaticClassInfo() {
        static const std::string Name = "TvskThemed<" + TBase::StaticClassInfo().Name() + ">";
        static const TClassInfo& Info = BuildClassInfo<TvskThemed>(Name.c_str());
        return Info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static void Publish(TPublisher<TvskThemed>& p) {
        p.Enum(VskUIStyleProperty, &TvskThemed::UIStyle, &TvskThemed::SetUIStyle, TvskUIStyleInfo);
        p.Ref(VskFileThemeProperty, &TvskThemed::FileTheme, &TvskThemed::SetFileTheme);
    }

    explicit TvskThemed(TComponent* AOwner) : TBase(AOwner) {}

    TvskUIStyle UIStyle() const { return FUIStyle; }
    // Stores the style and applies it, also when it is the style already (a file theme that loaded a new
    // file relies on that); UIStyleChanged follows only when the value changed.
    void SetUIStyle(TvskUIStyle Value) {
        const TvskUIStyle Old = FUIStyle;
        FUIStyle = Value;
        ApplyUIStyle(TvskThemeSource(FFileTheme, FUIStyle));
        if (Value != Old) UIStyleChanged();
    }

    TvskFileTheme* FileTheme() const { return FFileTheme; }
    void SetFileTheme(TvskFileTheme* Value) {
        if (Value != FFileTheme) {
            if (FFileTheme) FFileTheme->RemoveFreeNotification(this);
            FFileTheme = Value;
            if (FFileTheme) FFileTheme->FreeNotification(this);
        }
        FileThemeChanged();
    }

    void Notification(TComponent* AComponent, TOperation Operation) override {
        TBase::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent && AComponent == FFileTheme) {
            FFileTheme = nullptr;
            FileThemeRemoved();
        }
    }

protected:
    // The look: read what the component needs from Theme, apply it, repaint.
    virtual void ApplyUIStyle(const TvskThemeSource& Theme) = 0;
    // The file theme was assigned (perhaps the same one, reloaded): read the entries anew.
    virtual void FileThemeChanged() { SetUIStyle(FUIStyle); }
    // The file theme was destroyed and the reference is already cleared. Containers hand DeepBlue to their
    // children first (ContainerApplyUIStyle).
    virtual void FileThemeRemoved() { SetUIStyle(DeepBlue); }
    // After a style application that changed the value.
    virtual void UIStyleChanged() {}

    // The last step of every constructor: the style of the skinned form on the owner form, else DeepBlue.
    void ApplyStartUpStyle() { SetUIStyle(GetVSKFormStyle(this->Owner())); }
    // Changes the stored style without applying it (a theme manager that loses its file theme).
    void StoreUIStyle(TvskUIStyle Value) { FUIStyle = Value; }

private:
    TvskUIStyle FUIStyle = DeepBlue;
    TvskFileTheme* FFileTheme = nullptr;
};
