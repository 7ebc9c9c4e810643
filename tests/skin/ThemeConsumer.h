// Small components that follow the theme consumer protocol, standing in for the skinned controls: they
// publish UIStyle and FileTheme, read a few entries the way a skinned control does, and record what
// happened to them.
#pragma once

#include "framework/win/windowing/Control.h"
#include "skin/themes/Vskthemes.h"

#include <string>
#include <vector>

class TvskFileTheme;

class TvskTestConsumer : public TControl {
    VSK_CLASS(TvskTestConsumer, TControl)

public:
    explicit TvskTestConsumer(TComponent* AOwner);

    TvskUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TvskUIStyle Value);
    TvskFileTheme* FileTheme() const { return FFileTheme; }
    void SetFileTheme(TvskFileTheme* Value);
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // What the last SetUIStyle read: from the file theme (LookStyle FromThemeFile) or a built-in style.
    TvskUIStyle LookStyle = FromThemeFile;
    TColor Background = 0;
    int MinWidth = 0;
    bool ButtonTransparent = false;
    // The setters called, in order: "UIStyle" or "FileTheme".
    std::vector<std::string> Calls;

private:
    // SetUIStyle without recording the call: what SetFileTheme does to read the entries anew.
    void ReadTheme(TvskUIStyle Value);

    TvskUIStyle FUIStyle = DeepBlue;
    TvskFileTheme* FFileTheme = nullptr;
};

// The same, under a class name outside the skin engine's: file themes leave it alone.
class TForeignConsumer : public TvskTestConsumer {
    VSK_CLASS(TForeignConsumer, TvskTestConsumer)

public:
    using TvskTestConsumer::TvskTestConsumer;
};

// Stands in for the skinned form frame: a control registered under the class name "TvskForm" with a
// UIStyle, so that a form's start-up style can be taken from it.
class TSkinnedFormStandIn : public TControl {
    VSK_CLASS(TSkinnedFormStandIn, TControl)

public:
    using TControl::TControl;
    TvskUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TvskUIStyle Value) { FUIStyle = Value; }

private:
    TvskUIStyle FUIStyle = DeepBlue;
};

// A descendant of the stand-in, as a variant of the skinned form frame would be.
class TSkinnedFormVariant : public TSkinnedFormStandIn {
    VSK_CLASS(TSkinnedFormVariant, TSkinnedFormStandIn)

public:
    using TSkinnedFormStandIn::TSkinnedFormStandIn;
};
