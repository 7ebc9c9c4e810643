#include "common/misc/CxDateTime.h"

#include "common/misc/CxAssert.h"

#include <cstdio>

namespace {
// Room for the date or the time part on its own ("12/31/2006", "23:59:59").
constexpr int kPartSize = 32;
// struct tm counts years from 1900 and months from 0.
constexpr int kTmYearBase = 1900;
constexpr int kTmMonthBase = 1;
} // namespace

CxDateTime::CxDateTime() {
    GetLocalTime(&m_st);
}

CxDateTime::~CxDateTime() = default;

// A time that the runtime library cannot convert (for example before 1970 in local time) leaves the value as it
// was, so the caller still gets a valid date.
void CxDateTime::SetTime(const time_t* pt) {
    const tm* pTm = pt ? std::localtime(pt) : nullptr;
    if (!pTm) return;
    m_st.wYear = static_cast<WORD>(pTm->tm_year + kTmYearBase);
    m_st.wMonth = static_cast<WORD>(pTm->tm_mon + kTmMonthBase);
    m_st.wDay = static_cast<WORD>(pTm->tm_mday);
    m_st.wDayOfWeek = static_cast<WORD>(pTm->tm_wday);
    m_st.wHour = static_cast<WORD>(pTm->tm_hour);
    m_st.wMinute = static_cast<WORD>(pTm->tm_min);
    m_st.wSecond = static_cast<WORD>(pTm->tm_sec);
    m_st.wMilliseconds = 0;
}

// clang-format off
void CxDateTime::FormatDate(char* szBuf) const {
    CX_ASSERT(szBuf!=NULL);
    std::sprintf(szBuf, "%02d/%02d/%04d", m_st.wMonth, m_st.wDay, m_st.wYear);
}

void CxDateTime::FormatTime(char* szBuf) const {
    CX_ASSERT(szBuf!=NULL);
    std::sprintf(szBuf, "%02d:%02d:%02d", m_st.wHour, m_st.wMinute, m_st.wSecond);
}

void CxDateTime::Format(char* szBuf) const {
    CX_ASSERT(szBuf!=NULL);
    char szDate[kPartSize];
    char szTime[kPartSize];
    FormatDate(szDate);
    FormatTime(szTime);
    std::sprintf(szBuf, "%s %s", szDate, szTime);
}
// clang-format on
