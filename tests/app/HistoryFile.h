#pragma once

#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include "app/CLCmdMgr.h"

#include <cstdint>
#include <string>
#include <vector>

// Builds a history file image field by field, in the file's encoding (little-endian integers, length-prefixed
// texts), so that tests can state exact bytes and hand-craft damaged files.
class FileImage {
public:
    FileImage& Int(int32_t nVal);
    FileImage& Text(const std::string& sText);
    FileImage& Raw(const std::string& sBytes);
    // A complete record with empty reserved texts and zero reserved integers.
    FileImage& Record(const std::string& sCmd, int32_t tAccess);
    const TBytes& Get() const { return m_bytes; }

private:
    TBytes m_bytes;
};

// The stored stamp of a local date and time, whatever the machine's time zone: unsigned seconds since 1970,
// as the store reads them, so that dates up to 2106 can be named.
uint32_t LocalStamp(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond);

// The history file of the test executable (cmdlist.dat beside it) and its temporary companion.
std::string HistoryPath();
std::string TempPath();
void WriteHistory(const TBytes& bytes);
TBytes ReadHistory();
bool Exists(const std::string& sPath);

// A record of that text and stamp, everything else zero.
CLCmd MakeCmd(const std::string& sText, int32_t tAccess);
// The records of a store, newest first, as the main window lists them; and their texts.
std::vector<CLCmd*> NewestFirst(CLCmdMgr& store);
std::vector<std::string> TextsNewestFirst(CLCmdMgr& store);

// Every test starts and ends without a history file, a leftover temporary file or a directory of that name.
class HistoryFileTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
