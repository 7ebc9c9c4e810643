#include "app/CLCmdExport.h"

#include "app/Apputil.h"
#include "app/CLCmdMgr.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <unordered_set>
#include <vector>

namespace {
// The column separator and the line end of the exported text.
constexpr char kTab = '\t';
constexpr const char* kLineEnd = "\r\n";
// The exported file is written here first and moved over the target once complete.
constexpr const char* kTempSuffix = ".tmp";
// The years a stored stamp can name: unsigned seconds since 1970 reach into 2106.
constexpr int kFirstYear = 1970;
constexpr int kLastYear = 2106;
// The calendar fields' ranges, and the runtime library's year and month origins.
constexpr int kMonths = 12;
constexpr int kLongestMonth = 31;
constexpr int kLastHour = 23;
constexpr int kLastMinute = 59;
constexpr int kLastSecond = 59;
constexpr int kTmYearBase = 1900;
// Room for a note's words beside the file's name.
constexpr int kNoteTextSize = 128;
// Files are read in blocks of this many bytes.
constexpr size_t kReadBlock = 4096;

struct FileCloser {
    void operator()(FILE* fp) const { std::fclose(fp); }
};
using TFilePtr = std::unique_ptr<FILE, FileCloser>;

std::string PathText(const char* szPath) {
    return std::string(szPath ? szPath : "");
}

// Line breaks inside a command would split it into two on import; CL reads them as blanks anyway (the preview
// shows them so), so they are written as blanks.
std::string ExportLine(CLCmdMgr& cmdMgr, const CLCmd* pCmd) {
    std::string sLine(pCmd->szCmd);
    std::replace_if(sLine.begin(), sLine.end(), [](char ch) { return ch == '\r' || ch == '\n'; }, ' ');
    char szStamp[kStampSize];
    cmdMgr.FormatStamp(pCmd, szStamp, sizeof(szStamp));
    return sLine + kTab + szStamp + kLineEnd;
}

bool ReadWholeFile(const char* szPath, std::string& sText) {
    TFilePtr fp(std::fopen(szPath, "rb"));
    if (!fp) return false;
    char szBlock[kReadBlock];
    size_t nRead = 0;
    while ((nRead = std::fread(szBlock, 1, sizeof(szBlock), fp.get())) > 0)
        sText.append(szBlock, nRead);
    return std::ferror(fp.get()) == 0;
}

// "MM/DD/YYYY HH:MM:SS" in local time (as exported) or plain seconds since 1970; false for anything else.
bool ParseStamp(const std::string& sStamp, int32_t& tAccess) {
    constexpr size_t kMaxDigits = 10; // UINT32_MAX has ten
    if (!sStamp.empty() && sStamp.size() <= kMaxDigits &&
        std::all_of(sStamp.begin(), sStamp.end(), [](char ch) { return ch >= '0' && ch <= '9'; })) {
        const unsigned long long nSeconds = std::strtoull(sStamp.c_str(), nullptr, 10);
        if (nSeconds > UINT32_MAX) return false;
        tAccess = static_cast<int32_t>(static_cast<uint32_t>(nSeconds));
        return true;
    }
    tm fields = {};
    int nEnd = 0;
    if (std::sscanf(sStamp.c_str(), "%2d/%2d/%4d %2d:%2d:%2d%n", &fields.tm_mon, &fields.tm_mday, &fields.tm_year,
                    &fields.tm_hour, &fields.tm_min, &fields.tm_sec, &nEnd) != 6 ||
        static_cast<size_t>(nEnd) != sStamp.size())
        return false;
    if (fields.tm_mon < 1 || fields.tm_mon > kMonths || fields.tm_mday < 1 || fields.tm_mday > kLongestMonth ||
        fields.tm_year < kFirstYear || fields.tm_year > kLastYear || fields.tm_hour > kLastHour ||
        fields.tm_min > kLastMinute || fields.tm_sec > kLastSecond)
        return false;
    fields.tm_mon -= 1; // months count from 0
    fields.tm_year -= kTmYearBase;
    fields.tm_isdst = -1;
    const time_t t = std::mktime(&fields);
    if (t == static_cast<time_t>(-1) || t < 0 || static_cast<unsigned long long>(t) > UINT32_MAX) return false;
    tAccess = static_cast<int32_t>(static_cast<uint32_t>(t));
    return true;
}

bool IsBlank(const std::string& sLine) {
    return std::all_of(sLine.begin(), sLine.end(), [](char ch) { return ch == ' ' || ch == kTab; });
}

// One line of an imported file into a record: the text up to the last tab when what follows it is a stamp,
// otherwise the whole line (a plain list; a tab inside a command stays). False when the text is too long.
bool ParseLine(const std::string& sLine, CLCmd& cmd, bool& bStamped) {
    std::string sText = sLine;
    bStamped = false;
    const size_t nTab = sLine.rfind(kTab);
    if (nTab != std::string::npos && ParseStamp(sLine.substr(nTab + 1), cmd.tAccess)) {
        sText = sLine.substr(0, nTab);
        bStamped = true;
    }
    if (sText.size() >= sizeof(cmd.szCmd)) return false;
    std::memcpy(cmd.szCmd, sText.data(), sText.size());
    cmd.szCmd[sText.size()] = '\0';
    return true;
}

void AddNote(CLImportReport& report, const char* szPath, int nLine, const char* szWhat) {
    char szNote[kPathSize + kNoteTextSize];
    std::snprintf(szNote, sizeof(szNote), "%s, line %d: %s\n", szPath, nLine, szWhat);
    report.sNotes += szNote;
}

// The commands of the file that are new to the history, in the file's order.
std::vector<CLCmd> ReadCommands(CLCmdMgr& cmdMgr, const char* szPath, const std::string& sText,
                                CLImportReport& report) {
    std::unordered_set<std::string> known;
    for (const CLCmd* pCmd = cmdMgr.GetLast(); pCmd; pCmd = cmdMgr.GetPrev())
        known.insert(pCmd->szCmd);
    std::vector<CLCmd> cmds;
    int nLine = 0;
    for (size_t nAt = 0; nAt < sText.size();) {
        size_t nEnd = sText.find('\n', nAt);
        if (nEnd == std::string::npos) nEnd = sText.size();
        std::string sLine = sText.substr(nAt, nEnd - nAt);
        nAt = nEnd + 1;
        ++nLine;
        if (!sLine.empty() && sLine.back() == '\r') sLine.pop_back();
        if (IsBlank(sLine)) continue;
        CLCmd cmd = {};
        bool bStamped = false;
        if (!ParseLine(sLine, cmd, bStamped)) {
            AddNote(report, szPath, nLine, "longer than 1023 characters, skipped.");
            ++report.nSkipped;
            continue;
        }
        if (!known.insert(cmd.szCmd).second) {
            ++report.nDuplicates;
            continue;
        }
        if (!bStamped) cmdMgr.StampNow(&cmd);
        cmds.push_back(cmd);
    }
    return cmds;
}
} // namespace

bool ExportHistory(CLCmdMgr& cmdMgr, const char* szPath, std::string& sError) {
    std::vector<std::string> lines;
    for (const CLCmd* pCmd = cmdMgr.GetLast(); pCmd; pCmd = cmdMgr.GetPrev())
        lines.push_back(ExportLine(cmdMgr, pCmd));
    const std::string sTemp = PathText(szPath) + kTempSuffix;
    bool bOk = szPath && *szPath;
    if (bOk) {
        TFilePtr fp(std::fopen(sTemp.c_str(), "wb"));
        bOk = fp != nullptr;
        for (auto it = lines.rbegin(); bOk && it != lines.rend(); ++it)
            bOk = std::fwrite(it->data(), 1, it->size(), fp.get()) == it->size();
        bOk = bOk && std::fflush(fp.get()) == 0;
        if (fp) bOk = std::fclose(fp.release()) == 0 && bOk;
        bOk = bOk && MoveFileExA(sTemp.c_str(), szPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (!bOk) DeleteFileA(sTemp.c_str());
    }
    if (!bOk) sError = "The command history could not be written to " + PathText(szPath) + ".";
    return bOk;
}

bool ImportHistory(CLCmdMgr& cmdMgr, const char* szPath, CLImportReport& report) {
    std::string sText;
    if (!szPath || !*szPath || !ReadWholeFile(szPath, sText)) {
        report.sNotes += PathText(szPath) + " could not be read; nothing was imported.\n";
        return false;
    }
    const std::vector<CLCmd> cmds = ReadCommands(cmdMgr, szPath, sText, report);
    std::vector<CLCmd*> added;
    for (const CLCmd& cmd : cmds) {
        CLCmd* pCmd = cmdMgr.AddCmd(&cmd);
        if (!pCmd) break;
        added.push_back(pCmd);
    }
    if (added.size() == cmds.size() && (cmds.empty() || cmdMgr.Save())) {
        report.nAdded = static_cast<int>(added.size());
        return true;
    }
    for (CLCmd* pCmd : added)
        delete cmdMgr.RemoveCmd(pCmd);
    report.sNotes += "The command history could not be written; nothing was imported from " + PathText(szPath) + ".\n";
    return false;
}
