// The few file-system questions the file themes ask of Windows: whether a file exists, and where the
// program, Windows, the system and temporary files live. Folders come with a trailing backslash.
#pragma once

#include <string>

// True for an existing file; false for a folder or nothing at all.
bool FileExists(const std::string& Path);
// The part of Path after its last folder separator.
std::string FileNamePart(const std::string& Path);

// Empty when Windows cannot tell.
std::string ProgramFolder();
std::string WindowsFolder();
std::string SystemFolder();
std::string TempFolder();
