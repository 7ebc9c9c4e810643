#pragma once

#include <windows.h>

#include <ctime>

// A local date and time as calendar fields, formatted the way the history shows it: month/day/year and a 24-hour
// clock. Starts as the current local time.
class CxDateTime {
public:
    CxDateTime();
    virtual ~CxDateTime();

    void SetTime(const time_t* pt);
    void FormatDate(char* szBuf) const;
    void FormatTime(char* szBuf) const;
    void Format(char* szBuf) const;

private:
    SYSTEMTIME m_st;
};
