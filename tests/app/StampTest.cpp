#include "app/CLCmdMgr.h"

#include "common/misc/CxDateTime.h"
#include "tests/app/HistoryFile.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace {

std::string Stamp(CLCmdMgr& store, int32_t tAccess, int nSize = kStampSize) {
    CLCmd cmd = {};
    cmd.tAccess = tAccess;
    char szBuf[kStampSize] = "unchanged";
    store.FormatStamp(&cmd, szBuf, nSize);
    return szBuf;
}

std::string Now() {
    char szBuf[kStampSize];
    CxDateTime().Format(szBuf);
    return szBuf;
}

TEST(FormatStamp, ShowsLocalTimeMonthFirstOnA24HourClock) {
    CLCmdMgr store;
    EXPECT_EQ(Stamp(store, LocalStamp(2006, 9, 15, 20, 28, 27)), "09/15/2006 20:28:27");
    EXPECT_EQ(Stamp(store, LocalStamp(2007, 2, 3, 8, 5, 9)), "02/03/2007 08:05:09");
    EXPECT_EQ(Stamp(store, LocalStamp(2006, 9, 15, 20, 28, 27), 11), "09/15/2006") << "cut to the buffer";
}

// Stored stamps are unsigned, so the runtime refuses none of them in this time zone; the fallback behind
// FormatStamp is CxDateTime's, for a time before 1970.
TEST(FormatStamp, TimeTheRuntimeRefusesShowsTheCurrentTime) {
    const std::string sBefore = Now();
    CxDateTime dt;
    const time_t t = -1;
    dt.SetTime(&t);
    char szShown[kStampSize];
    dt.Format(szShown);
    const std::string sAfter = Now();
    EXPECT_TRUE(szShown == sBefore || szShown == sAfter) << szShown;
}

} // namespace
