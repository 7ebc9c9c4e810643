// Published properties: registration, inheritance, generic access by name, the class registry, events.

#include "tests/framework/core/TestComponents.h"
#include "tests/support/RaisedMessage.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/core/Streams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> PropertyNames(const TClassInfo& Class) {
    std::vector<std::string> Names;
    for (const TPropInfo* Prop : Class.Properties())
        Names.push_back(Prop->Name());
    return Names;
}

TEST(Properties, SubclassesInheritAndMayRepublishProperties) {
    const TClassInfo& Button = TTestButton::StaticClassInfo();
    EXPECT_EQ(Button.Name(), "TTestButton");
    EXPECT_EQ(Button.Parent(), &TTestWidget::StaticClassInfo());
    EXPECT_TRUE(Button.InheritsFrom(TComponent::StaticClassInfo()));
    EXPECT_FALSE(TTestWidget::StaticClassInfo().InheritsFrom(Button));

    EXPECT_EQ(PropertyNames(Button),
              (std::vector<std::string>{"Name", "Tag", "Width", "Visible", "Caption", "Style", "Color", "Buddy", "Font",
                                        "Lines", "Items", "OnClick", "Data", "IsDefault"}));
    const TPropInfo* Width = Button.FindProperty("wIDTH");
    ASSERT_NE(Width, nullptr);
    EXPECT_EQ(*Width->DefaultValue(), TValue(TTestButton::DefaultButtonWidth));
    EXPECT_EQ(*TTestWidget::StaticClassInfo().FindProperty("Width")->DefaultValue(), TValue(TTestWidget::DefaultWidth));
    EXPECT_EQ(TTestWidget::StaticClassInfo().FindProperty("IsDefault"), nullptr);

    TTestButton Instance(nullptr);
    EXPECT_EQ(Instance.ClassName(), "TTestButton");
    EXPECT_TRUE(HasProperty(Instance, "caption"));
    EXPECT_TRUE(HasProperty(Instance, "Font.Size"));
    EXPECT_FALSE(HasProperty(Instance, "Font.Colr"));
    EXPECT_FALSE(HasProperty(Instance, "Width.Size"));
    EXPECT_EQ(GetOrdProp(Instance, "Width"), TTestButton::DefaultButtonWidth);
}

TEST(Properties, ScalarKindsReadAndWriteByName) {
    TTestWidget W(nullptr);
    SetOrdProp(W, "Width", 120);
    SetOrdProp(W, "Visible", 0);
    SetStrProp(W, "Caption", "Hello");
    SetOrdProp(W, "Style", tsSunken);
    SetPropValue(W, "Color", clBlack);
    SetPropValue(W, "Font.Style", TTestFontStyles{tfBold, tfUnderline});
    SetStrProp(W, "font.name", "Courier New");

    EXPECT_EQ(W.Width(), 120);
    EXPECT_FALSE(W.Visible());
    EXPECT_EQ(W.Caption(), "Hello");
    EXPECT_EQ(W.Style(), tsSunken);
    EXPECT_EQ(W.Color(), clBlack);
    EXPECT_EQ(W.Font()->Style(), (TTestFontStyles{tfBold, tfUnderline}));
    EXPECT_EQ(W.Font()->Name(), "Courier New");

    EXPECT_EQ(GetOrdProp(W, "Width"), 120);
    EXPECT_EQ(GetOrdProp(W, "Visible"), 0);
    EXPECT_EQ(GetStrProp(W, "Caption"), "Hello");
    EXPECT_EQ(GetOrdProp(W, "Style"), tsSunken);
    EXPECT_EQ(GetOrdProp(W, "Font.Style"), 0b101);
    // A system colour keeps its high bit; a negative 32-bit number is the same colour.
    SetOrdProp(W, "Color", -2147483633);
    EXPECT_EQ(W.Color(), clBtnFace);
    EXPECT_EQ(GetPropValue(W, "Color"), TValue(clBtnFace));
}

TEST(Properties, WrongValuesRaisePropertyErrorsNamingClassAndProperty) {
    TTestWidget W(nullptr);
    EXPECT_EQ(RaisedMessage<EPropertyError>([&] { SetOrdProp(W, "Colr", 1); }), "TTestWidget has no property 'Colr'");
    EXPECT_EQ(RaisedMessage<EPropertyError>([&] { GetPropValue(W, "Font.Nme"); }),
              "TTestWidget has no property 'Font.Nme'");
    EXPECT_EQ(RaisedMessage<EPropertyError>([&] { SetStrProp(W, "Width", "12"); }),
              "TTestWidget.Width: not a string property");
    EXPECT_EQ(RaisedMessage<EPropertyError>([&] { SetPropValue(W, "Width", "12"); }),
              "TTestWidget.Width: integer property given a string value");
    EXPECT_EQ(RaisedMessage<EPropertyError>([&] { SetOrdProp(W, "Width", 1LL << 40); }),
              "TTestWidget.Width: 1099511627776 is out of range");
    EXPECT_EQ(RaisedMessage<EPropertyError>([&] { SetOrdProp(W, "Style", 3); }),
              "TTestWidget.Style: 3 is not a value of TTestStyle");
    EXPECT_EQ(RaisedMessage<EPropertyError>([&] { SetOrdProp(W, "Font.Style", 8); }),
              "TTestFont.Style: set holds an element that is not a value of TTestFontStyle");
    EXPECT_EQ(RaisedMessage<EPropertyError>([&] { SetOrdProp(W, "Color", 1LL << 32); }),
              "TTestWidget.Color: 4294967296 is not a colour");
    EXPECT_EQ(RaisedMessage<EPropertyError>([&] { GetPropValue(W, "Data"); }),
              "TTestWidget.Data: binary data has no value; it is streamed");
    EXPECT_EQ(W.Width(), TTestWidget::DefaultWidth);
}

TEST(Properties, ReferencesAcceptOnlyComponentsOfTheirClass) {
    TTestForm Form;
    auto* A = new TTestWidget(&Form);
    auto* B = new TTestButton(&Form);
    auto* Watcher = new TTestWatcher(&Form);
    SetObjectProp(*A, "Buddy", B);
    EXPECT_EQ(A->Buddy(), B);
    EXPECT_EQ(GetObjectProp(*A, "buddy"), B);
    EXPECT_EQ(RaisedMessage<EPropertyError>([&] { SetObjectProp(*A, "Buddy", Watcher); }),
              "TTestWidget.Buddy: a TTestWatcher is not a TTestWidget");
    EXPECT_EQ(A->Buddy(), B);
    SetObjectProp(*A, "Buddy", nullptr);
    EXPECT_EQ(A->Buddy(), nullptr);
    EXPECT_EQ(FindPropInfo(*A, "Buddy")->PropClass(), &TTestWidget::StaticClassInfo());
}

TEST(Properties, NestedObjectsAreCopiedNotShared) {
    TTestWidget W(nullptr);
    TTestFont Source;
    Source.SetName("Arial");
    Source.SetSize(14);
    SetObjectProp(W, "Font", &Source);
    EXPECT_NE(W.Font(), &Source);
    EXPECT_EQ(W.Font()->Name(), "Arial");
    EXPECT_EQ(W.Font()->Size(), 14);
    Source.SetSize(20);
    EXPECT_EQ(W.Font()->Size(), 14);

    TTestWidget Other(nullptr);
    EXPECT_EQ(RaisedMessage<EPropertyError>([&] { SetObjectProp(W, "Font", &Other); }),
              "TTestWidget.Font: a TTestWidget is not a TTestFont");
    EXPECT_EQ(RaisedMessage<EPropertyError>([&] { SetObjectProp(W, "Font", nullptr); }),
              "TTestWidget.Font: needs an object, not nil");
    // Without an Assign that knows the source, copying fails with the classic message.
    EXPECT_EQ(RaisedMessage<EConvertError>([&] { Other.Assign(Source); }),
              "Cannot assign a TTestFont to a TTestWidget");
}

TEST(Properties, EventsBindToHandlersOfTheirSignatureOnly) {
    TTestForm Form;
    auto* Button = new TTestWidget(&Form);
    const THandlerInfo* Click = Form.ClassInfo().FindHandler("buttonclick");
    ASSERT_NE(Click, nullptr);
    SetPropValue(*Button, "OnClick", TMethodRef{Click->Name, Click->Bind(Form)});
    Button->OnClick(Button);
    ASSERT_EQ(Form.Clicks.size(), 1u);
    EXPECT_EQ(Form.Clicks[0], Button);
    EXPECT_EQ(Button->OnClick.HandlerName(), "ButtonClick");
    EXPECT_EQ(GetPropValue(*Button, "OnClick").AsMethod().Name, "ButtonClick");

    const THandlerInfo* CloseQuery = Form.ClassInfo().FindHandler("FormCloseQuery");
    EXPECT_EQ(RaisedMessage<EPropertyError>([&] {
                  SetPropValue(*Button, "OnClick", TMethodRef{CloseQuery->Name, CloseQuery->Bind(Form)});
              }),
              "TTestWidget.OnClick: handler 'FormCloseQuery' does not fit the event");
    SetPropValue(Form, "OnCloseQuery", TMethodRef{CloseQuery->Name, CloseQuery->Bind(Form)});
    bool CanClose = true;
    Form.OnCloseQuery(&Form, CanClose);
    EXPECT_FALSE(CanClose);

    SetPropValue(*Button, "OnClick", TMethodRef{});
    EXPECT_FALSE(Button->OnClick);
    EXPECT_EQ(Form.ClassInfo().FindHandler("Nothing"), nullptr);
}

TEST(Properties, BinaryPropertiesStreamTheirOwnData) {
    TTestWidget W(nullptr);
    const TPropInfo* Data = FindPropInfo(W, "Data");
    ASSERT_NE(Data, nullptr);
    EXPECT_EQ(Data->Kind(), TPropKind::Binary);
    EXPECT_FALSE(Data->HasData(W));
    TMemoryStream In;
    In.WriteBuffer("\x01\x02\x03", 3);
    In.SetPosition(0);
    Data->ReadData(W, In);
    EXPECT_TRUE(Data->HasData(W));
    TMemoryStream Out;
    Data->WriteData(W, Out);
    ASSERT_EQ(Out.Size(), 3);
    EXPECT_EQ(Out.Memory()[2], 3);
}

TEST(Events, EmptyEventsDoNothingAndBoundOnesCallTheMethod) {
    TNotifyEvent Event;
    EXPECT_FALSE(Event);
    Event(nullptr);

    TTestForm Form;
    Event.Bind(&Form, &TTestForm::ButtonClick, "ButtonClick");
    Event(&Form);
    EXPECT_EQ(Form.Clicks.size(), 1u);
    EXPECT_EQ(Event.HandlerName(), "ButtonClick");

    int Calls = 0;
    Event = [&](TObject*) { ++Calls; };
    Event(nullptr);
    EXPECT_EQ(Calls, 1);
    EXPECT_EQ(Event.HandlerName(), "") << "a lambda has no handler name";
    Event = nullptr;
    EXPECT_FALSE(Event);
}

TEST(ClassRegistry, CreatesRegisteredComponentsByNameIgnoringCase) {
    RegisterTestClasses();
    RegisterTestClasses(); // again: harmless
    const TClassInfo* Class = FindClass("ttestbutton");
    ASSERT_EQ(Class, &TTestButton::StaticClassInfo());
    TTestForm Form;
    TComponent* Created = Class->Create(&Form);
    EXPECT_EQ(Created->ClassName(), "TTestButton");
    EXPECT_EQ(Created->Owner(), &Form);
    EXPECT_EQ(GetOrdProp(*Created, "Width"), TTestButton::DefaultButtonWidth);

    EXPECT_EQ(FindClass("TFoo"), nullptr);
    EXPECT_EQ(RaisedMessage<EComponentError>([] { GetClass("TFoo"); }), "Class TFoo not found");
    EXPECT_FALSE(TTestFont::StaticClassInfo().CanCreate()) << "not a component";
    EXPECT_EQ(RaisedMessage<EComponentError>([] { TPersistent::StaticClassInfo().Create(nullptr); }),
              "Cannot create an instance of TPersistent");

    TClassInfo Impostor("TTestWidget", &TComponent::StaticClassInfo(), nullptr);
    EXPECT_EQ(RaisedMessage<EComponentError>([&] { RegisterClass(Impostor); }),
              "A class named TTestWidget already exists");
    UnRegisterClass(Impostor); // not the registered one: nothing happens
    EXPECT_EQ(FindClass("TTestWidget"), &TTestWidget::StaticClassInfo());
}

} // namespace
