#pragma once

#include <string>

// The choices a user makes in the window (the look, the editor's case rule), kept in vantrel.ini beside the
// program so that the next start shows them again. A setting that was never written reads as its default.
std::string ReadSetting(const char* szSection, const char* szKey, const char* szDefault);
bool WriteSetting(const char* szSection, const char* szKey, const std::string& sValue);
bool ReadSettingFlag(const char* szSection, const char* szKey, bool bDefault);
bool WriteSettingFlag(const char* szSection, const char* szKey, bool bValue);
// The settings file's full path; empty when the program's directory cannot be known.
std::string SettingsPath();
