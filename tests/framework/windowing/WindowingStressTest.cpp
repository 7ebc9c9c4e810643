// A form with nested panels, labels and an image, read from its description, given windows, shown, painted,
// hovered, focused and destroyed a thousand times: every live handle count must come back to where it was.
#include "tests/support/BitmapBytes.h"
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"

#include "framework/win/ComponentClasses.h"
#include "framework/win/controls/Panel.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Form.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

constexpr int Rounds = 1000;

const std::string& Description() {
    static const std::string Text = R"(object fmStress: TForm
  BorderStyle = bsNone
  ClientHeight = 120
  ClientWidth = 200
  object pnlOuter: TPanel
    Align = alClient
    Caption = 'Outer'
    object pnlTop: TPanel
      Height = 30
      Align = alTop
      BevelInner = bvLowered
      TabStop = True
      object lblTop: TLabel
        Left = 4
        Top = 4
        Caption = '&Stress'
      end
      object imgTop: TImage
        Left = 150
        Top = 2
        AutoSize = True
        Picture.Data = {)" + PictureDataHex(8, 8, clGreen) +
                                    R"(}
      end
    end
    object pnlInner: TPanel
      Left = 10
      Top = 40
      Width = 100
      Height = 60
      Anchors = [akLeft, akTop, akRight, akBottom]
      TabStop = True
      object lblInner: TLabel
        Left = 2
        Top = 2
        Caption = 'Inner'
      end
    end
  end
end
)";
    return Text;
}

// One round. The form is shown without being activated: such a window is not handed to a window manager,
// so destroying it does not wait for one (there is none where the tests run).
void Round(int Number) {
    TForm Form(nullptr);
    Form.ReadDescription(Description());
    Form.SetBounds(50 + Number % 7, 50, Form.Width(), Form.Height());
    ::ShowWindow(Form.Handle(), SW_SHOWNOACTIVATE);
    ::UpdateWindow(Form.Handle());
    const auto Image = PaintedImage(Form);
    auto* Inner = dynamic_cast<TWinControl*>(Form.FindComponent("pnlInner"));
    ::SendMessageA(Inner->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ::SendMessageA(Inner->Handle(), WM_MOUSELEAVE, 0, 0);
    ::SetFocus(Inner->Handle()); // the form itself is not Visible: it was shown behind the framework's back
    Form.SetClientWidth(220 + Number % 5);
    Application->ProcessMessages();
    ASSERT_EQ(clGreen, PixelAt(*Image, 151, 3));
}

} // namespace

TEST(WindowingStress, AThousandFormsGiveBackEveryHandle) {
    RegisterWinComponentClasses();
    Round(0); // the first round also makes what lives on (window classes, the application's own window)
    const THandleSnapshot Before = HandleSnapshot();
    for (int Number = 1; Number <= Rounds; ++Number) {
        Round(Number);
        if (HasFatalFailure()) return;
    }
    EXPECT_EQ(Before, HandleSnapshot());
}
