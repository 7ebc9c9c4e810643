#include "tests/skin/controls/SkinControlFixture.h"

#include "tests/support/Messages.h"

namespace {
constexpr int FormLeft = 40;
constexpr int FormTop = 40;
constexpr int FormWidth = 420;
constexpr int FormHeight = 320;
} // namespace

// Silver: no style paints a control in it, so a control's own pixels stand out from the form's.
SkinControlFixture::SkinControlFixture() : Form(std::make_unique<TForm>(nullptr)) {
    Form->SetBounds(FormLeft, FormTop, FormWidth, FormHeight);
    Form->SetColor(clSilver);
    Form->Show();
    PumpMessages();
}

SkinControlFixture::~SkinControlFixture() {
    Form.reset();
    PumpMessages();
}
