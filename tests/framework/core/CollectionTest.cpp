// TCollection/TCollectionItem: typed items, order, change notification to the owner, copying.
#include "tests/framework/core/TestComponents.h"

#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Collection, AddsInsertsMovesAndDeletesTypedItems) {
    TTestWidget Owner(nullptr);
    TTestItems& Items = *Owner.Items();
    TTestItem* First = Items.Add();
    TTestItem* Second = Items.Add();
    TTestItem* Front = Items.Insert(0);
    ASSERT_EQ(Items.Count(), 3);
    EXPECT_EQ(Items.Items(0), Front);
    EXPECT_EQ(First->Index(), 1);
    EXPECT_EQ(First->Collection(), &Items);

    Second->SetIndex(0);
    EXPECT_EQ(Items.Items(0), Second);
    EXPECT_EQ(Items.Items(2), First);
    EXPECT_THROW(Second->SetIndex(3), EListError);

    Items.Delete(1);
    EXPECT_EQ(Items.Count(), 2);
    delete First; // an item deleted directly leaves its collection
    ASSERT_EQ(Items.Count(), 1);
    EXPECT_EQ(Items.Items(0), Second);
    EXPECT_THROW(Items.Items(1), EListError);
    EXPECT_EQ(Second->GetNamePath(), "TTestWidget.Items[0]");
    Items.Clear();
    EXPECT_EQ(Items.Count(), 0);
}

TEST(Collection, ReportsChangesToTheOwnerOncePerUpdate) {
    TTestWidget Owner(nullptr);
    TTestItems& Items = *Owner.Items();
    std::vector<TCollectionItem*> Updates;
    Items.OnUpdate = [&](TCollection* Sender, TCollectionItem* Item) {
        EXPECT_EQ(Sender, &Items);
        Updates.push_back(Item);
    };
    TTestItem* Item = Items.Add();
    EXPECT_EQ(Updates, (std::vector<TCollectionItem*>{nullptr}));
    Item->SetCaption("one");
    EXPECT_EQ(Updates.back(), Item) << "a change of one item names it";

    Updates.clear();
    Items.BeginUpdate();
    Items.Add()->SetCaption("two");
    Items.Delete(0);
    EXPECT_TRUE(Updates.empty());
    Items.EndUpdate();
    EXPECT_EQ(Updates, (std::vector<TCollectionItem*>{nullptr}));
}

TEST(Collection, AssignCopiesItemsWithoutSharingThem) {
    TTestWidget A(nullptr), B(nullptr);
    TTestItem* Source = A.Items()->Add();
    Source->SetCaption("close");
    Source->SetKind(tsRaised);
    Source->Glyph()->SetBytes({1, 2, 3});
    Source->SetTarget(&B);
    B.Items()->Add(); // replaced by the copy

    B.SetItems(*A.Items());
    ASSERT_EQ(B.Items()->Count(), 1);
    TTestItem* Copy = B.Items()->Items(0);
    EXPECT_NE(Copy, Source);
    EXPECT_EQ(Copy->Caption(), "close");
    EXPECT_EQ(Copy->Kind(), tsRaised);
    EXPECT_EQ(Copy->Glyph()->Bytes(), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_NE(Copy->Glyph(), Source->Glyph());
    EXPECT_EQ(Copy->Target(), &B);

    Source->SetCaption("changed");
    EXPECT_EQ(Copy->Caption(), "close");
    EXPECT_THROW(A.Items()->Assign(*A.Font()), EConvertError);
}

} // namespace
