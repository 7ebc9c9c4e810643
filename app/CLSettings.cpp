#include "app/CLSettings.h"

#include "app/Apputil.h"

#include <windows.h>

namespace {
constexpr const char* kFileName = "vantrel.ini";
constexpr const char* kOn = "1";
constexpr const char* kOff = "0";
// Room for the longest value: a path.
constexpr int kValueSize = kPathSize;
} // namespace

std::string SettingsPath() {
    char szDir[kPathSize];
    if (!GetAppDir(g_hInst ? g_hInst : GetModuleHandleA(nullptr), szDir)) return "";
    return std::string(szDir) + kFileName;
}

std::string ReadSetting(const char* szSection, const char* szKey, const char* szDefault) {
    const std::string sPath = SettingsPath();
    if (sPath.empty()) return szDefault;
    char szValue[kValueSize];
    GetPrivateProfileStringA(szSection, szKey, szDefault, szValue, sizeof(szValue), sPath.c_str());
    return szValue;
}

bool WriteSetting(const char* szSection, const char* szKey, const std::string& sValue) {
    const std::string sPath = SettingsPath();
    return !sPath.empty() && WritePrivateProfileStringA(szSection, szKey, sValue.c_str(), sPath.c_str());
}

bool ReadSettingFlag(const char* szSection, const char* szKey, bool bDefault) {
    return ReadSetting(szSection, szKey, bDefault ? kOn : kOff) == kOn;
}

bool WriteSettingFlag(const char* szSection, const char* szKey, bool bValue) {
    return WriteSetting(szSection, szKey, bValue ? kOn : kOff);
}
