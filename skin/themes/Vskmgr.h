// File themes: a non-visual component that loads a .vsk theme file and answers the theme getters for every
// skinned component whose FileTheme points to it and whose UIStyle is FromThemeFile.
#pragma once

#include "framework/core/Colors.h"
#include "framework/core/Component.h"

#include <cstdint>
#include <memory>
#include <string>

class TBitmap;
class TMemoryStream;
class TvskThemeFileReader;

// The loaded theme of a file theme: a theme file reader (none until a file is loaded), asked by theme entry
// index through the entry's key.
class TvskFileThemeMgr {
public:
    TvskFileThemeMgr();
    ~TvskFileThemeMgr();
    TvskFileThemeMgr(const TvskFileThemeMgr&) = delete;
    TvskFileThemeMgr& operator=(const TvskFileThemeMgr&) = delete;

    // Reads FileName whole, replacing what was loaded before.
    void Load(const std::string& FileName);
    bool Loaded() const { return FReader != nullptr; }

    // Null when nothing is loaded or the file lacks the entry.
    TMemoryStream* GetFile(int Index) const;
    // Nothing loaded: 0. Entry missing: -1.
    std::int32_t GetInteger(int Index) const;
    bool GetBool(int Index) const;

private:
    std::unique_ptr<TvskThemeFileReader> FReader;
};

class TvskFileTheme : public TComponent {
    VSK_CLASS(TvskFileTheme, TComponent)

public:
    explicit TvskFileTheme(TComponent* AOwner);

    // The name under which the loaded file was found; empty until one is loaded.
    const std::string& ThemeFile() const { return FThemeFile; }
    // Looks for the file as given, then by its bare name in the program's folder, the Windows folder and the
    // system folder. Not found anywhere (an empty name included): nothing changes and nothing is raised.
    // Found without the theme file signature: raises Exception "Invalid skin file for VanSkin!" and nothing
    // changes. Otherwise loads it (see LoadThemeFile). The same name as now does nothing at all, even when the
    // file has changed.
    void SetThemeFile(const std::string& Value);

    // Whether a theme file has been loaded.
    bool CanUse() const { return FStore.Loaded(); }
    // Whether FileName is a theme file (IsVSKThemeFile); a descendant may be stricter.
    virtual bool CheckThemeFile(const std::string& FileName) const;

    // The image stored for a bitmap entry, into Buf (owned by the caller). Without a loaded file, or without
    // a readable image under the entry's key, Buf is left as it is.
    void GetBitmap(int Index, TBitmap* Buf) const;
    // Frame SpitIndex of SpitCount equal-width frames of the image; Buf ends up empty when there is no
    // image or no frame (a SpitCount below 1).
    void GetBitmap(int Index, TBitmap* Buf, int SpitCount, int SpitIndex) const;
    // The stored integer; -1 when the file lacks the entry, 0 when no file is loaded.
    TColor GetColor(int Index) const;
    int GetInt(int Index) const;
    // The stored flag; false when absent or when no file is loaded.
    bool GetBool(int Index) const;

protected:
    // Checks and loads FileName (found already), and only then remembers it as ThemeFile: a file that cannot
    // be read raises and changes nothing. Then, when the owner is a form, sets "FileTheme" anew on each of its
    // skinned components (class names beginning with "Tvsk") whose FileTheme is this one, so that they read
    // their entries again. Components that point to another file theme are not touched.
    void LoadThemeFile(const std::string& FileName);

private:
    void RefreshConsumers();

    TvskFileThemeMgr FStore;
    std::string FThemeFile;
};
