// Small components that follow the theme consumer protocol, standing in for the skinned controls: they
// publish UIStyle and FileTheme, read a few entries the way a skinned control does, and record what
// happened to them.
#pragma once

#include "framework/win/windowing/Control.h"
#include "skin/themes/Vskcustomform.h"
#include "skin/themes/Vskthemed.h"

#include <string>
#include <vector>

class TvskFileTheme;

class TvskTestConsumer : public TvskThemed<TControl> {
    VSK_CLASS(TvskTestConsumer, TvskThemed<TControl>)

public:
    explicit TvskTestConsumer(TComponent* AOwner);

    // What the last style application read: from the file theme (LookStyle FromThemeFile) or a built-in style.
    TvskUIStyle LookStyle = FromThemeFile;
    TColor Background = 0;
    int MinWidth = 0;
    bool ButtonTransparent = false;
    // The setters called, in order: "UIStyle" or "FileTheme".
    std::vector<std::string> Calls;

protected:
    void ApplyUIStyle(const TvskThemeSource& Theme) override;
    void FileThemeChanged() override;

private:
    bool FReadingFileTheme = false; // a style application of SetFileTheme's, not a call of SetUIStyle
};

// The same, under a class name outside the skin engine's: file themes leave it alone.
class TForeignConsumer : public TvskTestConsumer {
    VSK_CLASS(TForeignConsumer, TvskTestConsumer)

public:
    using TvskTestConsumer::TvskTestConsumer;
};

// Stands in for the skinned form frame: a skinned form frame that reads nothing, so that a form's start-up
// style can be taken from it.
class TSkinnedFormStandIn : public TvskCustomForm {
    VSK_CLASS(TSkinnedFormStandIn, TvskCustomForm)

public:
    using TvskCustomForm::TvskCustomForm;

protected:
    void ApplyUIStyle(const TvskThemeSource&) override {}
};

// A descendant of the stand-in, as a variant of the skinned form frame would be.
class TSkinnedFormVariant : public TSkinnedFormStandIn {
    VSK_CLASS(TSkinnedFormVariant, TSkinnedFormStandIn)

public:
    using TSkinnedFormStandIn::TSkinnedFormStandIn;
};
