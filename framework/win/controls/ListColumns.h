// TListColumn / TListColumns: the columns of a list view in report view (caption, width, alignment of the
// column's texts), stored in descriptions as Columns = < item ... end >. A change of a column reaches the
// list view's window at once; a width the user drags is read back into the column.
#pragma once

#include "framework/win/controls/OwnedItems.h"
#include "framework/win/windowing/ControlTypes.h"

#include <string>

class TListView;

class TListColumn : public TCollectionItem {
    VSK_CLASS(TListColumn, TCollectionItem)

public:
    static constexpr int DefaultWidth = 50;

    explicit TListColumn(TCollection* ACollection);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);

    std::string DisplayName() const override;

private:
    friend class TListView; // takes over the widths the user drags

    std::string FCaption;
    int FWidth = DefaultWidth;
    TAlignment FAlignment = taLeftJustify;
};

class TListColumns : public TOwnedItems<TListColumn> {
public:
    explicit TListColumns(TListView& ListView);
    TListView& ListView() const { return FListView; }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TListView& FListView;
};
