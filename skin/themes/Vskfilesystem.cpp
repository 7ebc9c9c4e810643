#include "skin/themes/Vskfilesystem.h"

#include <windows.h>

#include <array>

namespace {

std::string WithBackslash(std::string Folder) {
    if (!Folder.empty() && Folder.back() != '\\') Folder += '\\';
    return Folder;
}

// A folder from a Windows call that fills a buffer of MAX_PATH characters and returns the length (or the
// size it would need, when the buffer is too small).
template<class TGetFolder>
std::string FolderFrom(TGetFolder Get) {
    std::array<char, MAX_PATH + 1> Buffer{};
    const auto Length = Get(Buffer.data(), MAX_PATH);
    return Length > 0 && Length <= MAX_PATH ? WithBackslash(std::string(Buffer.data(), Length)) : std::string();
}

} // namespace

bool FileExists(const std::string& Path) {
    const DWORD Attributes = ::GetFileAttributesA(Path.c_str());
    return Attributes != INVALID_FILE_ATTRIBUTES && !(Attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FileNamePart(const std::string& Path) {
    const auto Separator = Path.find_last_of("\\/:");
    return Separator == std::string::npos ? Path : Path.substr(Separator + 1);
}

std::string ProgramFolder() {
    std::array<char, MAX_PATH> Buffer{};
    const DWORD Length = ::GetModuleFileNameA(nullptr, Buffer.data(), MAX_PATH);
    const std::string Program(Buffer.data(), Length);
    return Program.substr(0, Program.find_last_of('\\') + 1);
}

std::string WindowsFolder() {
    return FolderFrom(::GetWindowsDirectoryA);
}

std::string SystemFolder() {
    return FolderFrom(::GetSystemDirectoryA);
}

std::string TempFolder() {
    return FolderFrom([](char* Buffer, UINT Size) { return ::GetTempPathA(Size, Buffer); });
}
