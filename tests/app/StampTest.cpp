#include "app/CLCmdMgr.h"

#include "common/misc/CxDateTime.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace {

// A stamp for a given local date and time, whatever the machine's time zone.
int32_t LocalStamp(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond) {
    tm fields = {};
    fields.tm_year = nYear - 1900;
    fields.tm_mon = nMonth - 1;
    fields.tm_mday = nDay;
    fields.tm_hour = nHour;
    fields.tm_min = nMinute;
    fields.tm_sec = nSecond;
    fields.tm_isdst = -1;
    return static_cast<int32_t>(std::mktime(&fields));
}

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

TEST(FormatStamp, StampTheRuntimeRefusesShowsTheCurrentTime) {
    CLCmdMgr store;
    const std::string sBefore = Now();
    const std::string sShown = Stamp(store, -1);
    const std::string sAfter = Now();
    EXPECT_TRUE(sShown == sBefore || sShown == sAfter) << sShown;
}

} // namespace
