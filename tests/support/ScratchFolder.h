// TScratchFolder: a fresh empty folder for one test, so that tests never meet each other's files (nor the ones
// a failed run left behind), removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <string>

class TScratchFolder {
public:
    TScratchFolder();
    ~TScratchFolder();
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return FPath; }
    // The full name of Name inside the folder.
    std::string File(const std::string& Name) const { return (FPath / Name).string(); }

private:
    std::filesystem::path FPath;
};
