#include "framework/win/controls/ListColumns.h"

#include "framework/core/Properties.h"
#include "framework/win/controls/ListView.h"

VSK_IMPLEMENT_CLASS(TListColumn)

void TListColumn::Publish(TPublisher<TListColumn>& p) {
    p.Enum("Alignment", &TListColumn::Alignment, &TListColumn::SetAlignment, TAlignmentInfo).Default(taLeftJustify);
    p.Str("Caption", &TListColumn::Caption, &TListColumn::SetCaption);
    p.Int("Width", &TListColumn::Width, &TListColumn::SetWidth).Default(DefaultWidth);
}

TListColumn::TListColumn(TCollection* ACollection) : TCollectionItem(ACollection) {}

void TListColumn::SetCaption(const std::string& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    Changed(false);
}

void TListColumn::SetWidth(int Value) {
    if (FWidth == Value) return;
    FWidth = Value;
    Changed(false);
}

void TListColumn::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    Changed(false);
}

std::string TListColumn::DisplayName() const {
    return FCaption.empty() ? inherited::DisplayName() : FCaption;
}

TListColumns::TListColumns(TListView& ListView) : TOwnedItems<TListColumn>(&ListView), FListView(ListView) {}

void TListColumns::Update(TCollectionItem* Item) {
    TOwnedItems<TListColumn>::Update(Item);
    FListView.ColumnsChanged(static_cast<TListColumn*>(Item));
}
