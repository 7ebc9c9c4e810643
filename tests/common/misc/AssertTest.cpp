#include "common/misc/CxDateTime.h"
#include "common/misc/CxFile.h"

#include <gtest/gtest.h>

namespace {

// Programming errors stop the program with a report that names the broken expression.
TEST(AssertDeathTest, ReportsTheExpressionFileAndLine) {
    CxFile file;
    int nVal = 0;
    char szBuf[2] = {};
    EXPECT_DEATH(file.ReadInt(&nVal), "Assertion failed: m_fp && piVal, file .*CxFile\\.cpp, line \\d+");
    EXPECT_DEATH(file.ReadString(szBuf, nullptr, sizeof(szBuf)), "m_fp&&szBuf");
    EXPECT_DEATH(file.WriteInt(0), "Assertion failed: m_fp,");
    EXPECT_DEATH(CxDateTime().Format(nullptr), "szBuf!=NULL");
}

} // namespace
