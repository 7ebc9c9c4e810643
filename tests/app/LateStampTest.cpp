// Stamps past January 2038, when seconds since 1970 no longer fit a signed 32-bit number: the file keeps the same
// 32 bits, read as unsigned, so histories made up to 2106 show their real dates.
#include "app/CLCmdMgr.h"

#include "tests/app/HistoryFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Shown(CLCmdMgr& store, const CLCmd* pCmd) {
    char szBuf[kStampSize] = "unchanged";
    store.FormatStamp(pCmd, szBuf, sizeof(szBuf));
    return szBuf;
}

TEST(LateStamp, FormatStampShowsDatesUpTo2106) {
    CLCmdMgr store;
    CLCmd cmd = {};
    cmd.tAccess = static_cast<int32_t>(LocalStamp(2040, 3, 1, 9, 30, 0));
    EXPECT_LT(cmd.tAccess, 0) << "past the signed range";
    EXPECT_EQ(Shown(store, &cmd), "03/01/2040 09:30:00");
    cmd.tAccess = static_cast<int32_t>(LocalStamp(2105, 12, 31, 23, 59, 59));
    EXPECT_EQ(Shown(store, &cmd), "12/31/2105 23:59:59");
    cmd.tAccess = static_cast<int32_t>(LocalStamp(2038, 1, 1, 0, 0, 0)); // still signed: unchanged
    EXPECT_EQ(Shown(store, &cmd), "01/01/2038 00:00:00");
}

using LateStampFile = HistoryFileTest;

TEST_F(LateStampFile, LateStampsSurviveTheFileAndShowTheirDates) {
    const uint32_t t2040 = LocalStamp(2040, 3, 1, 9, 30, 0);
    const uint32_t t2105 = LocalStamp(2105, 12, 31, 23, 59, 59);
    FileImage image;
    image.Int(2).Record("WRKACTJOB", static_cast<int32_t>(t2040)).Record("DSPLIB", static_cast<int32_t>(t2105));
    WriteHistory(image.Get());

    CLCmdMgr store;
    ASSERT_TRUE(store.Load());
    const CLCmd* pNewest = store.GetLast();
    ASSERT_NE(pNewest, nullptr);
    EXPECT_EQ(Shown(store, pNewest), "12/31/2105 23:59:59");
    const CLCmd* pOlder = store.GetPrev();
    ASSERT_NE(pOlder, nullptr);
    EXPECT_EQ(Shown(store, pOlder), "03/01/2040 09:30:00");

    ASSERT_TRUE(store.Save());
    EXPECT_EQ(ReadHistory(), image.Get()) << "the format does not change";
}

} // namespace
