#include "demo/gallery/StateColumns.h"

#include "framework/win/controls/Label.h"
#include "framework/win/forms/Form.h"

#include <array>

namespace {
constexpr std::array<const char*, StateColumnCount> StateNames{"normal", "pointer over", "pressed", "focused",
                                                               "disabled"};
} // namespace

void AddStateColumnLabels(TForm& Form, int Left, int Top, int Width, int Height) {
    for (int Column = 0; Column < StateColumnCount; ++Column) {
        auto* Label = new TLabel(&Form);
        Label->SetParent(&Form);
        Label->SetTransparent(true);
        Label->SetCaption(StateNames[Column]);
        Label->SetBounds(Left + Column * Width, Top, Width, Height);
    }
}
