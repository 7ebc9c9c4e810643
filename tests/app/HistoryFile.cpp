
#include "tests/app/HistoryFile.h"

#include "tests/support/FileBytes.h"

#include "app/Apputil.h"

#include <windows.h>

#include <cstring>
#include <ctime>

FileImage& FileImage::Int(int32_t nVal) {
    AppendLittleEndian(m_bytes, static_cast<uint32_t>(nVal));
    return *this;
}

FileImage& FileImage::Text(const std::string& sText) {
    return Int(static_cast<int32_t>(sText.size())).Raw(sText);
}

FileImage& FileImage::Raw(const std::string& sBytes) {
    m_bytes.insert(m_bytes.end(), sBytes.begin(), sBytes.end());
    return *this;
}

FileImage& FileImage::Record(const std::string& sCmd, int32_t tAccess) {
    Text(sCmd).Int(tAccess);
    for (int i = 0; i < 4; ++i)
        Text("");
    for (int i = 0; i < 4; ++i)
        Int(0);
    return *this;
}

uint32_t LocalStamp(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond) {
    tm fields = {};
    fields.tm_year = nYear - 1900;
    fields.tm_mon = nMonth - 1;
    fields.tm_mday = nDay;
    fields.tm_hour = nHour;
    fields.tm_min = nMinute;
    fields.tm_sec = nSecond;
    fields.tm_isdst = -1;
    return static_cast<uint32_t>(std::mktime(&fields));
}

std::string HistoryPath() {
    char szDir[kPathSize];
    EXPECT_TRUE(GetAppDir(g_hInst, szDir));
    return std::string(szDir) + "cmdlist.dat";
}

std::string TempPath() {
    return HistoryPath() + ".tmp";
}

void WriteHistory(const TBytes& bytes) {
    WriteBytes(HistoryPath(), bytes);
}

TBytes ReadHistory() {
    return ReadBytes(HistoryPath());
}

bool Exists(const std::string& sPath) {
    return GetFileAttributesA(sPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

CLCmd MakeCmd(const std::string& sText, int32_t tAccess) {
    CLCmd cmd = {};
    std::strncpy(cmd.szCmd, sText.c_str(), sizeof(cmd.szCmd) - 1);
    cmd.tAccess = tAccess;
    return cmd;
}

std::vector<CLCmd*> NewestFirst(CLCmdMgr& store) {
    std::vector<CLCmd*> cmds;
    for (CLCmd* pCmd = store.GetLast(); pCmd; pCmd = store.GetPrev())
        cmds.push_back(pCmd);
    return cmds;
}

std::vector<std::string> TextsNewestFirst(CLCmdMgr& store) {
    std::vector<std::string> texts;
    for (const CLCmd* pCmd : NewestFirst(store))
        texts.emplace_back(pCmd->szCmd);
    return texts;
}

namespace {
void RemoveHistory() {
    DeleteFileA(HistoryPath().c_str());
    RemoveDirectoryA(HistoryPath().c_str());
    DeleteFileA(TempPath().c_str());
}
} // namespace

void HistoryFileTest::SetUp() {
    RemoveHistory();
}

void HistoryFileTest::TearDown() {
    RemoveHistory();
}
