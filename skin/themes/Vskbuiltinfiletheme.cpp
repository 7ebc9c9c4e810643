#include "skin/themes/Vskbuiltinfiletheme.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/core/Streams.h"
#include "skin/themes/Vskfilesystem.h"

#include <windows.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace {

constexpr const char* TempBaseName = "VSKTEMP";
constexpr const char* TempExtension = ".vsk";
// Names tried before giving up: enough for any number of stale copies left by crashed programs.
constexpr int TempNameAttempts = 10000;

// The temporary copy of an embedded theme file. It is created exclusively (CREATE_NEW), so it never
// overwrites, or writes through, a file or link that is already there or that appeared meanwhile: a taken
// name moves on to the next one. The file is deleted when the object goes, on every path.
class TTemporaryThemeFile {
public:
    TTemporaryThemeFile() {
        const std::string Folder = TempFolder();
        for (int Attempt = 0; !Folder.empty() && Attempt < TempNameAttempts; ++Attempt) {
            const std::string Path =
                Folder + TempBaseName + (Attempt ? std::to_string(Attempt) : std::string()) + TempExtension;
            FHandle =
                ::CreateFileA(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY, nullptr);
            if (FHandle != INVALID_HANDLE_VALUE) {
                FPath = Path;
                return;
            }
            const DWORD Error = ::GetLastError();
            if (Error != ERROR_FILE_EXISTS && Error != ERROR_ALREADY_EXISTS) break;
        }
        throw EFCreateError("Cannot create a temporary theme file in \"" + Folder + "\"");
    }
    ~TTemporaryThemeFile() {
        Close();
        ::DeleteFileA(FPath.c_str());
    }
    TTemporaryThemeFile(const TTemporaryThemeFile&) = delete;
    TTemporaryThemeFile& operator=(const TTemporaryThemeFile&) = delete;

    const std::string& Path() const { return FPath; }

    void Write(const std::vector<std::uint8_t>& Data) {
        DWORD Written = 0;
        if (!::WriteFile(FHandle, Data.data(), static_cast<DWORD>(Data.size()), &Written, nullptr) ||
            Written != Data.size())
            throw EWriteError("Cannot write the temporary theme file \"" + FPath + "\"");
    }
    // The theme is read through a name of its own, so the file must be closed first.
    void Close() {
        if (FHandle != INVALID_HANDLE_VALUE) ::CloseHandle(std::exchange(FHandle, INVALID_HANDLE_VALUE));
    }

private:
    HANDLE FHandle = INVALID_HANDLE_VALUE;
    std::string FPath;
};

} // namespace

VSK_IMPLEMENT_CLASS(TvskBuiltInFileTheme)

void TvskBuiltInFileTheme::Publish(TPublisher<TvskBuiltInFileTheme>& p) {
    p.Str("ThemeFile", &TvskBuiltInFileTheme::ThemeFile2, &TvskBuiltInFileTheme::SetThemeFile2);
    p.Binary("SkinData", &TvskBuiltInFileTheme::ReadSkinData, &TvskBuiltInFileTheme::WriteSkinData,
             &TvskBuiltInFileTheme::HasSkinData);
}

TvskBuiltInFileTheme::TvskBuiltInFileTheme(TComponent* AOwner) : TvskFileTheme(AOwner) {}

void TvskBuiltInFileTheme::ReadSkinData(TStream& Stream) {
    std::vector<std::uint8_t> Data(static_cast<std::size_t>(Stream.Size() - Stream.Position()));
    Stream.ReadBuffer(Data.data(), static_cast<std::int64_t>(Data.size()));
    TTemporaryThemeFile Temporary;
    Temporary.Write(Data);
    Temporary.Close();
    // Straight to loading: the temporary name may be the one loaded last time (that copy is gone by now),
    // and the same name must not count as "nothing to do" here.
    LoadThemeFile(Temporary.Path());
}

void TvskBuiltInFileTheme::WriteSkinData(TStream& Stream) const {
    TMemoryStream Theme;
    Theme.LoadFromFile(FDesignThemeFile);
    Theme.SaveToStream(Stream);
}

bool TvskBuiltInFileTheme::HasSkinData() const {
    return FileExists(FDesignThemeFile);
}
