// Forms read from stored descriptions: nested panels, labels and an image created parents first (a
// component's constructor already finds the controls made before it), handlers bound by name, alignment,
// anchors and tab order settled once the whole description is in; the RCDATA resource of a form class
// through Application->CreateForm; and a description that cannot be read leaves nothing behind.

#include "tests/support/BitmapBytes.h"
#include "tests/support/Components.h"
#include "tests/support/HandleSnapshot.h"
#include "tests/support/RaisedMessage.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/DescriptionWriter.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/win/ComponentClasses.h"
#include "framework/win/controls/Image.h"
#include "framework/win/controls/Label.h"
#include "framework/win/controls/Panel.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/graphics/GraphicsExceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

class TDescribedForm : public TForm {
    VSK_CLASS(TDescribedForm, TForm)

public:
    using TForm::TForm;

    int Creates = 0;
    bool AllowClose = false;

    void FormCreate(TObject*) { ++Creates; }
    void FormCloseQuery(TObject*, bool& CanClose) { CanClose = AllowClose; }
};

// Looks, while it is being constructed, at what the form reading it has made so far.
class TProbePanel : public TPanel {
    VSK_CLASS(TProbePanel, TPanel)

public:
    explicit TProbePanel(TComponent* AOwner) : TPanel(AOwner) {
        auto* Form = dynamic_cast<TCustomForm*>(AOwner);
        auto* Top = Form ? dynamic_cast<TControl*>(Form->FindComponent("pnlTop")) : nullptr;
        SawTopOnTheForm = Top && Top->Parent() == Form;
    }

    bool SawTopOnTheForm = false;
};

// The form of the RCDATA resource TRESOURCEFORM.
class TResourceForm : public TForm {
    VSK_CLASS(TResourceForm, TForm)

public:
    using TForm::TForm;

    int Creates = 0;
    void FormCreate(TObject*) { ++Creates; }
};

std::string Description() {
    return R"(object fmDescribed: TDescribedForm
  Left = 10
  Top = 20
  BorderStyle = bsDialog
  Caption = 'Described'
  ClientHeight = 200
  ClientWidth = 300
  Font.Name = 'Tahoma'
  Font.Height = -11
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  object pnlTop: TPanel
    Left = 0
    Top = 0
    Width = 300
    Height = 50
    Align = alTop
    BevelOuter = bvNone
    Color = clWhite
    TabOrder = 1
    object imgLogo: TImage
      Left = 4
      Top = 4
      AutoSize = True
      Picture.Data = {)" +
           PictureDataHex(3, 2, clBlue) + R"(}
    end
    object lblTitle: TLabel
      Left = 40
      Top = 8
      Caption = '&Title'
      Font.Style = [fsBold]
    end
  end
  object pnlBody: TPanel
    Left = 0
    Top = 50
    Width = 300
    Height = 150
    Align = alClient
    TabOrder = 0
    object pnlCorner: TProbePanel
      Left = 250
      Top = 100
      Width = 40
      Height = 40
      Anchors = [akRight, akBottom]
    end
  end
end
)";
}

struct FormDescriptionTest : ::testing::Test {
    FormDescriptionTest() {
        RegisterWinComponentClasses();
        RegisterClasses({&TProbePanel::StaticClassInfo()});
    }
};

} // namespace

VSK_IMPLEMENT_CLASS(TDescribedForm)
void TDescribedForm::Publish(TPublisher<TDescribedForm>& p) {
    p.Handler("FormCreate", &TDescribedForm::FormCreate);
    p.Handler("FormCloseQuery", &TDescribedForm::FormCloseQuery);
}
VSK_IMPLEMENT_CLASS(TProbePanel)
void TProbePanel::Publish(TPublisher<TProbePanel>&) {}
VSK_IMPLEMENT_CLASS(TResourceForm)
void TResourceForm::Publish(TPublisher<TResourceForm>& p) {
    p.Handler("FormCreate", &TResourceForm::FormCreate);
}

TEST_F(FormDescriptionTest, NestedControlsAreCreatedInsideTheirParentsAndLaidOutOnceAllIsRead) {
    auto Form = std::make_unique<TDescribedForm>(nullptr);
    Form->ReadDescription(Description());

    EXPECT_EQ("fmDescribed", Form->Name());
    EXPECT_EQ("Described", Form->Caption());
    EXPECT_EQ(bsDialog, Form->BorderStyle());
    EXPECT_EQ(300, Form->ClientWidth());
    EXPECT_EQ(200, Form->ClientHeight());
    auto* Top = FindComponentAs<TPanel>(*Form, "pnlTop");
    auto* Body = FindComponentAs<TPanel>(*Form, "pnlBody");
    auto* Logo = FindComponentAs<TImage>(*Form, "imgLogo");
    auto* Title = FindComponentAs<TLabel>(*Form, "lblTitle");
    auto* Corner = FindComponentAs<TProbePanel>(*Form, "pnlCorner");
    ASSERT_TRUE(Top && Body && Logo && Title && Corner);
    EXPECT_EQ(Form.get(), Top->Parent());
    EXPECT_EQ(Top, Logo->Parent());
    EXPECT_EQ(Top, Title->Parent());
    EXPECT_EQ(Body, Corner->Parent());
    EXPECT_TRUE(Corner->SawTopOnTheForm);

    EXPECT_EQ(Bounds(0, 0, 300, 50), Top->BoundsRect());
    EXPECT_EQ(Bounds(0, 50, 300, 150), Body->BoundsRect());
    EXPECT_EQ(Bounds(4, 4, 3, 2), Logo->BoundsRect()); // sized to its picture
    EXPECT_EQ(clWhite, Top->Color());
    EXPECT_EQ("Tahoma", Title->Font()->Name()); // through the panel from the form
    EXPECT_TRUE(Title->Font()->Style().Contains(fsBold));
    EXPECT_FALSE(Title->ParentFont());
    EXPECT_TRUE(Top->ParentFont());
    EXPECT_EQ(0, Body->TabOrder());
    EXPECT_EQ(1, Top->TabOrder());

    // The anchors hold from the place the description gave.
    Form->SetClientWidth(400);
    EXPECT_EQ(Bounds(350, 100, 40, 40), Corner->BoundsRect());

    // Handlers are bound by name; OnCreate is the creator's to fire.
    EXPECT_EQ(0, Form->Creates);
    Form->DoCreate();
    EXPECT_EQ(1, Form->Creates);
    EXPECT_FALSE(Form->CloseQuery());
    Form->AllowClose = true;
    EXPECT_TRUE(Form->CloseQuery());
    EXPECT_FALSE(Form->HandleAllocated()); // reading made no windows
}

TEST_F(FormDescriptionTest, WritingAReadFormGivesADescriptionThatReadsBackTheSame) {
    auto Form = std::make_unique<TDescribedForm>(nullptr);
    Form->ReadDescription(Description());
    const std::string Written = WriteComponentDescription(*Form);
    auto Again = std::make_unique<TDescribedForm>(nullptr);
    Again->ReadDescription(Written);
    EXPECT_EQ(Written, WriteComponentDescription(*Again));
    EXPECT_NE(std::string::npos, Written.find("object imgLogo: TImage"));
    const std::string FormPart = Written.substr(0, Written.find("  object "));
    EXPECT_EQ(std::string::npos, FormPart.find("\n  Width = ")) << "a form stores its client size, not its outer size";
    EXPECT_NE(std::string::npos, FormPart.find("\n  ClientWidth = 300"));
}

TEST_F(FormDescriptionTest, ABadDescriptionRaisesAnErrorNamingTheLineAndLeavesNoControlsOrWindows) {
    const THandleSnapshot Before = HandleSnapshot();
    auto Form = std::make_unique<TDescribedForm>(nullptr);
    std::string Bad = Description();
    const std::size_t Position = Bad.find("    TabOrder = 0");
    Bad.replace(Position, 16, "    TabOrdr = 0");
    const std::string Line = "line " + std::to_string(1 + std::count(Bad.begin(), Bad.begin() + Position, '\n'));
    const std::string Message = RaisedMessage<EReadError>([&] { Form->ReadDescription(Bad); });
    EXPECT_NE(std::string::npos, Message.find(Line)) << Message;
    EXPECT_NE(std::string::npos, Message.find("TabOrdr"));
    EXPECT_EQ(0, Form->ControlCount());
    EXPECT_EQ(0, Form->ComponentCount());
    Form.reset();
    EXPECT_EQ(Before, HandleSnapshot());
}

TEST_F(FormDescriptionTest, CreateFormReadsTheRcdataResourceNamedAfterTheClassFiresOnCreateAndShows) {
    auto* Form = Application->CreateForm<TResourceForm>();
    std::unique_ptr<TResourceForm> Owned(Form);
    EXPECT_EQ(1, Form->Creates);
    EXPECT_EQ("From a resource", Form->Caption());
    EXPECT_EQ(Form, Application->MainForm());
    EXPECT_TRUE(Form->Visible()); // the description says so: shown once complete
    EXPECT_TRUE(::IsWindowVisible(Form->Handle()));
    auto* Label = FindComponentAs<TLabel>(*Form, "lblHello");
    ASSERT_NE(nullptr, Label);
    EXPECT_EQ("Hello", Label->Caption());
    Owned.reset();
    EXPECT_EQ(nullptr, Application->MainForm());
}

TEST_F(FormDescriptionTest, AFormClassWithoutAResourceCannotBeCreated) {
    EXPECT_THROW(Application->CreateForm<TDescribedForm>(), EResNotFound);
    EXPECT_EQ(nullptr, Application->MainForm());
}
