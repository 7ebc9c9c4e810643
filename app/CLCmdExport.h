#pragma once

#include <string>

class CLCmdMgr;

// The history as a text file a user can keep, mail or edit: one command per line, oldest first, each followed by
// a tab and its "Last Access Time" as the list shows it (MM/DD/YYYY HH:MM:SS, local time), in the ANSI code page
// the program keeps its texts in. Import reads that, or a plain list of commands one per line.

// The outcome of an import: what was added, what was left out and why (one line per note, naming file and line).
struct CLImportReport {
    int nAdded = 0;
    int nDuplicates = 0; // commands whose text the history already held
    int nSkipped = 0;    // lines that could not be taken (too long for a command)
    std::string sNotes;
};

// Writes the whole history to szPath, replacing it only once the whole text is on the disk. False with the
// reason in sError when it cannot.
bool ExportHistory(CLCmdMgr& cmdMgr, const char* szPath, std::string& sError);

// Adds the commands of szPath as the newest records, with their stamps (the time of the import for a line
// without one), and writes the history file once at the end. All or nothing: a file that cannot be read, or a
// history file that cannot be written, leaves the store and the history file as they were (false, with the
// reason in report.sNotes).
bool ImportHistory(CLCmdMgr& cmdMgr, const char* szPath, CLImportReport& report);
