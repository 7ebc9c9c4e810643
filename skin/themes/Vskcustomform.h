// TvskCustomForm: the skinned form frame as the rest of the engine knows it. A skinned component created on
// a form starts with the style of the first TvskCustomForm among the form's direct children
// (GetVSKFormStyle); TvskForm and its variants derive from it, so the frame is recognised by its type,
// whatever it is called.
#pragma once

#include "framework/win/controls/Panel.h"
#include "skin/themes/Vskthemed.h"

class TvskCustomForm : public TvskThemed<TCustomPanel> {
    VSK_CLASS(TvskCustomForm, TvskThemed<TCustomPanel>)

public:
    explicit TvskCustomForm(TComponent* AOwner) : inherited(AOwner) {}
};
