#include "common/misc/CxList.h"

#include <gtest/gtest.h>

namespace {

class CxListTest : public ::testing::Test {
protected:
    // Three distinct elements; the list stores their addresses.
    int m_p = 1, m_q = 2, m_r = 3;
    CxList m_list;

    void AddPQR() {
        ASSERT_TRUE(m_list.Add(&m_p));
        ASSERT_TRUE(m_list.Add(&m_q));
        ASSERT_TRUE(m_list.Add(&m_r));
    }
};

TEST_F(CxListTest, EmptyListYieldsNothing) {
    EXPECT_EQ(m_list.GetFirst(), nullptr);
    EXPECT_EQ(m_list.GetLast(), nullptr);
    EXPECT_EQ(m_list.GetNext(), nullptr);
    EXPECT_EQ(m_list.GetPrev(), nullptr);
    EXPECT_EQ(m_list.GetAt(0), nullptr);
    EXPECT_EQ(m_list.GetCount(), 0u);
}

TEST_F(CxListTest, WalksBothWaysAndStopsAtTheEnds) {
    AddPQR();
    EXPECT_EQ(m_list.GetFirst(), &m_p);
    EXPECT_EQ(m_list.GetNext(), &m_q);
    EXPECT_EQ(m_list.GetNext(), &m_r);
    EXPECT_EQ(m_list.GetNext(), nullptr);
    EXPECT_EQ(m_list.GetPrev(), &m_q) << "a failed GetNext leaves the cursor where it was";

    EXPECT_EQ(m_list.GetLast(), &m_r);
    EXPECT_EQ(m_list.GetPrev(), &m_q);
    EXPECT_EQ(m_list.GetPrev(), &m_p);
    EXPECT_EQ(m_list.GetPrev(), nullptr);
    EXPECT_EQ(m_list.GetNext(), &m_q);

    EXPECT_EQ(m_list.GetAt(2), &m_r);
    EXPECT_EQ(m_list.GetAt(0), &m_p);
    EXPECT_EQ(m_list.GetAt(3), nullptr);
    EXPECT_EQ(m_list.GetNext(), &m_q) << "an out-of-range GetAt leaves the cursor where it was";
}

TEST_F(CxListTest, CursorStandsOnTheNewElementAfterAdd) {
    AddPQR();
    m_list.GetFirst();
    int s = 4;
    ASSERT_TRUE(m_list.Add(&s));
    EXPECT_EQ(m_list.GetPrev(), &m_r);
    EXPECT_EQ(m_list.GetCount(), 4u);
}

TEST_F(CxListTest, RemovingAMiddleElementRenumbersAndMovesTheCursorOn) {
    AddPQR();
    ASSERT_TRUE(m_list.Remove(&m_q));
    EXPECT_EQ(m_list.GetCount(), 2u);
    ASSERT_NE(m_list.Find(&m_p), nullptr);
    ASSERT_NE(m_list.Find(&m_r), nullptr);
    EXPECT_EQ(m_list.Find(&m_p)->nIndex, 0u);
    EXPECT_EQ(m_list.Find(&m_r)->nIndex, 1u);
    EXPECT_EQ(m_list.Find(&m_q), nullptr);
    EXPECT_EQ(m_list.GetPrev(), &m_p) << "the cursor stands on R";
    EXPECT_EQ(m_list.GetFirst(), &m_p);
    EXPECT_EQ(m_list.GetNext(), &m_r);
    EXPECT_EQ(m_list.GetNext(), nullptr);
}

TEST_F(CxListTest, RemovingTheEndsKeepsHeadAndTailRight) {
    AddPQR();
    ASSERT_TRUE(m_list.Remove(&m_r));
    EXPECT_EQ(m_list.GetPrev(), nullptr) << "after removing the last node the cursor stands on no node";
    EXPECT_EQ(m_list.GetFirst(), &m_p);
    EXPECT_EQ(m_list.GetNext(), &m_q);
    EXPECT_EQ(m_list.GetNext(), nullptr);

    ASSERT_TRUE(m_list.Remove(&m_p));
    EXPECT_EQ(m_list.GetFirst(), &m_q);
    EXPECT_EQ(m_list.GetLast(), &m_q);

    ASSERT_TRUE(m_list.Remove(&m_q));
    EXPECT_EQ(m_list.GetFirst(), nullptr);
    EXPECT_EQ(m_list.GetLast(), nullptr);
    ASSERT_TRUE(m_list.Add(&m_r)) << "an emptied list takes new elements";
    EXPECT_EQ(m_list.GetFirst(), &m_r);
    EXPECT_EQ(m_list.GetLast(), &m_r);
}

TEST_F(CxListTest, RefusesNullAndUnknownElements) {
    AddPQR();
    int outsider = 2; // equal value, different address
    EXPECT_FALSE(m_list.Remove(&outsider));
    EXPECT_FALSE(m_list.Add(nullptr));
    EXPECT_EQ(m_list.GetCount(), 3u);
    EXPECT_EQ(m_list.GetFirst(), &m_p);
    EXPECT_EQ(m_list.GetNext(), &m_q);
    EXPECT_EQ(m_list.GetNext(), &m_r);
}

// Every position the walk reaches must agree with the node's own index, or GetAt's check stops the program.
TEST_F(CxListTest, InsertAtPutsElementsBackAtTheirPositions) {
    int s = 4;
    AddPQR();
    ASSERT_TRUE(m_list.Remove(&m_q));
    ASSERT_TRUE(m_list.InsertAt(1, &m_q));
    EXPECT_EQ(m_list.GetPrev(), &m_p) << "the cursor stands on the inserted element";
    ASSERT_TRUE(m_list.Remove(&m_p));
    ASSERT_TRUE(m_list.InsertAt(0, &m_p));
    ASSERT_TRUE(m_list.InsertAt(7, &s)) << "beyond the end appends";
    EXPECT_FALSE(m_list.InsertAt(0, nullptr));
    EXPECT_EQ(m_list.GetCount(), 4u);
    EXPECT_EQ(m_list.GetFirst(), &m_p);
    EXPECT_EQ(m_list.GetNext(), &m_q);
    EXPECT_EQ(m_list.GetNext(), &m_r);
    EXPECT_EQ(m_list.GetNext(), &s);
    EXPECT_EQ(m_list.GetAt(1), &m_q);
    EXPECT_EQ(m_list.GetLast(), &s);
    EXPECT_EQ(m_list.GetPrev(), &m_r);
    EXPECT_EQ(m_list.GetPrev(), &m_q);
    EXPECT_EQ(m_list.GetPrev(), &m_p);
}

} // namespace
