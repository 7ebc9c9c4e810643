#include "tests/framework/core/TestComponents.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/core/Streams.h"

const TEnumInfo TTestStyleInfo{"TTestStyle", {"tsFlat", "tsRaised", "tsSunken"}};
const TEnumInfo TTestFontStyleInfo{"TTestFontStyle", {"tfBold", "tfItalic", "tfUnderline"}};

VSK_IMPLEMENT_CLASS(TTestFont)

void TTestFont::Publish(TPublisher<TTestFont>& p) {
    p.Str("Name", &TTestFont::Name, &TTestFont::SetName).Default("Tahoma");
    p.Int("Size", &TTestFont::Size, &TTestFont::SetSize).Default(8);
    p.Set("Style", &TTestFont::Style, &TTestFont::SetStyle, TTestFontStyleInfo).Default(TTestFontStyles{});
}

void TTestFont::Assign(const TPersistent& Source) {
    if (auto* Font = dynamic_cast<const TTestFont*>(&Source)) {
        FName = Font->FName;
        FSize = Font->FSize;
        FStyle = Font->FStyle;
        return;
    }
    TPersistent::Assign(Source);
}

VSK_IMPLEMENT_CLASS(TTestPicture)

void TTestPicture::Publish(TPublisher<TTestPicture>& p) {
    p.Binary("Data", &TTestPicture::ReadData, &TTestPicture::WriteData, &TTestPicture::HasData);
}

void TTestPicture::Assign(const TPersistent& Source) {
    if (auto* Picture = dynamic_cast<const TTestPicture*>(&Source)) {
        FBytes = Picture->FBytes;
        return;
    }
    TPersistent::Assign(Source);
}

void TTestPicture::ReadData(TStream& Stream) {
    FBytes.resize(static_cast<std::size_t>(Stream.Size() - Stream.Position()));
    Stream.ReadBuffer(FBytes.data(), static_cast<std::int64_t>(FBytes.size()));
}

void TTestPicture::WriteData(TStream& Stream) const {
    Stream.WriteBuffer(FBytes.data(), static_cast<std::int64_t>(FBytes.size()));
}

VSK_IMPLEMENT_CLASS(TTestItem)

void TTestItem::Publish(TPublisher<TTestItem>& p) {
    p.Str("Caption", &TTestItem::Caption, &TTestItem::SetCaption);
    p.Enum("Kind", &TTestItem::Kind, &TTestItem::SetKind, TTestStyleInfo).Default(tsFlat);
    p.Object("Glyph", &TTestItem::Glyph, &TTestItem::SetGlyph);
    p.Ref("Target", &TTestItem::Target, &TTestItem::SetTarget);
}

TTestItem::~TTestItem() {
    delete FGlyph;
}

void TTestItem::SetCaption(const std::string& Value) {
    FCaption = Value;
    Changed(false);
}

VSK_IMPLEMENT_CLASS(TTestWidget)

void TTestWidget::Publish(TPublisher<TTestWidget>& p) {
    p.Int("Width", &TTestWidget::Width, &TTestWidget::SetWidth).Default(DefaultWidth);
    p.Bool("Visible", &TTestWidget::Visible, &TTestWidget::SetVisible).Default(true);
    p.Str("Caption", &TTestWidget::Caption, &TTestWidget::SetCaption);
    p.Enum("Style", &TTestWidget::Style, &TTestWidget::SetStyle, TTestStyleInfo).Default(tsFlat);
    p.Color("Color", &TTestWidget::Color, &TTestWidget::SetColor).Default(clBtnFace);
    p.Ref("Buddy", &TTestWidget::Buddy, &TTestWidget::SetBuddy);
    p.Object("Font", &TTestWidget::Font, &TTestWidget::SetFont);
    p.Object("Lines", &TTestWidget::Lines, &TTestWidget::SetLines);
    p.Object("Items", &TTestWidget::Items, &TTestWidget::SetItems);
    p.Event("OnClick", &TTestWidget::OnClick);
    p.Binary("Data", &TTestWidget::ReadData, &TTestWidget::WriteData, &TTestWidget::HasData);
}

TTestWidget::TTestWidget(TComponent* AOwner) : TComponent(AOwner), FFont(new TTestFont(this)) {}

TTestWidget::~TTestWidget() {
    delete FItems;
    delete FLines;
    delete FFont;
}

void TTestWidget::SetBuddy(TTestWidget* Value) {
    if (FBuddy) FBuddy->RemoveFreeNotification(this);
    FBuddy = Value;
    if (FBuddy) FBuddy->FreeNotification(this);
    SawLoadingState = ComponentState().Contains(csLoading);
}

void TTestWidget::ReadData(TStream& Stream) {
    FData.resize(static_cast<std::size_t>(Stream.Size() - Stream.Position()));
    Stream.ReadBuffer(FData.data(), static_cast<std::int64_t>(FData.size()));
}

void TTestWidget::WriteData(TStream& Stream) const {
    Stream.WriteBuffer(FData.data(), static_cast<std::int64_t>(FData.size()));
}

void TTestWidget::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const {
    for (int I = 0; I < Root->ComponentCount(); ++I)
        if (Root->Components(I)->GetParentComponent() == this) Proc(Root->Components(I));
}

void TTestWidget::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FBuddy) FBuddy = nullptr;
    if (AComponent == FParent) FParent = nullptr;
}

void TTestWidget::Loaded() {
    TComponent::Loaded();
    ++LoadedCalls;
    BuddyResolvedAtLoaded = FBuddy != nullptr;
}

VSK_IMPLEMENT_CLASS(TTestButton)

void TTestButton::Publish(TPublisher<TTestButton>& p) {
    p.Int("Width", &TTestButton::Width, &TTestButton::SetWidth).Default(DefaultButtonWidth);
    p.Bool("IsDefault", &TTestButton::IsDefault, &TTestButton::SetIsDefault).Default(false);
}

VSK_IMPLEMENT_CLASS(TTestForm)

void TTestForm::Publish(TPublisher<TTestForm>& p) {
    p.Str("Caption", &TTestForm::Caption, &TTestForm::SetCaption);
    p.Ref("ActiveControl", &TTestForm::ActiveControl, &TTestForm::SetActiveControl);
    p.Event("OnShow", &TTestForm::OnShow);
    p.Event("OnCloseQuery", &TTestForm::OnCloseQuery);
    p.Handler("ButtonClick", &TTestForm::ButtonClick);
    p.Handler("FormCloseQuery", &TTestForm::FormCloseQuery);
}

void TTestForm::SetActiveControl(TTestWidget* Value) {
    if (FActiveControl) FActiveControl->RemoveFreeNotification(this);
    FActiveControl = Value;
    if (FActiveControl) FActiveControl->FreeNotification(this);
}

void TTestForm::ButtonClick(TObject* Sender) {
    Clicks.push_back(Sender);
}

void TTestForm::FormCloseQuery(TObject*, bool& CanClose) {
    CanClose = false;
}

void TTestForm::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const {
    for (int I = 0; I < ComponentCount(); ++I) {
        TComponent* Component = Components(I);
        if (Root == this && (!Component->HasParent() || Component->GetParentComponent() == this)) Proc(Component);
    }
}

void TTestForm::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FActiveControl) FActiveControl = nullptr;
}

VSK_IMPLEMENT_CLASS(TTestWatcher)

void TTestWatcher::Publish(TPublisher<TTestWatcher>&) {}

void TTestWatcher::Watch(TComponent* Value) {
    if (FWatched) FWatched->RemoveFreeNotification(this);
    FWatched = Value;
    if (FWatched) FWatched->FreeNotification(this);
}

void TTestWatcher::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    Log.push_back({AComponent, Operation, AComponent->ClassName()});
    if (Operation == opRemove && AComponent == FWatched) FWatched = nullptr;
}

VSK_IMPLEMENT_CLASS(TTestPicky)

int TTestPicky::Alive = 0;

void TTestPicky::Publish(TPublisher<TTestPicky>& p) {
    p.Int("PickyWidth", &TTestPicky::Width, &TTestPicky::SetPickyWidth).Default(DefaultWidth);
}

void TTestPicky::SetPickyWidth(int Value) {
    if (Value == RejectedWidth) throw EInvalidOperation("Width 13 brings bad luck");
    SetWidth(Value);
}

VSK_IMPLEMENT_CLASS(TTestFragile)

void TTestFragile::Publish(TPublisher<TTestFragile>&) {}

TTestFragile::TTestFragile(TComponent* AOwner) : TComponent(AOwner) {
    throw EInvalidOperation("cannot be built");
}

void RegisterTestClasses() {
    RegisterClasses({&TTestWidget::StaticClassInfo(), &TTestButton::StaticClassInfo(), &TTestForm::StaticClassInfo(),
                     &TTestWatcher::StaticClassInfo(), &TTestPicky::StaticClassInfo(),
                     &TTestFragile::StaticClassInfo()});
}
