// .vsk theme files (layout in Vskthemeformat.h): the signature test, a reader that takes a whole file into
// memory and answers lookups by key, and a writer that builds a file from images, integers, flags and texts.
#pragma once

#include "framework/core/Streams.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Whether FileName exists and begins with the theme file signature. Never raises: a missing, unreadable
// or short file is simply not a theme file.
bool IsVSKThemeFile(const std::string& FileName);
// The same test on the bytes of a stream from its current position (which it moves).
bool IsVSKThemeData(TStream& Data);

// Reads every entry of a theme file in its constructor and closes the file before returning, so the file
// may be changed or deleted afterwards. Callers check the signature first (IsVSKThemeFile); a file that
// cannot be opened raises EFOpenError. A damaged chain ends the reading quietly, keeping the entries read so
// far (see WalkThemeFile). Keys are looked up ignoring letter case; when a key occurs twice, the first one
// in the file wins.
class TvskThemeFileReader {
public:
    explicit TvskThemeFileReader(const std::string& FileName);
    // Reads the theme file held by Data, which may come from anywhere (a resource, a stored description).
    explicit TvskThemeFileReader(TStream& Data);
    TvskThemeFileReader(const TvskThemeFileReader&) = delete;
    TvskThemeFileReader& operator=(const TvskThemeFileReader&) = delete;

    // The embedded file stored under Key, rewound to position 0 and still owned by the reader; null when
    // there is none.
    TMemoryStream* GetFile(std::string_view Key) const;
    // -1 when there is no such integer.
    std::int32_t GetInteger(std::string_view Key) const;
    // false when there is no such flag.
    bool GetBool(std::string_view Key) const;
    // Empty when there is no such text.
    std::string GetStr(std::string_view Key) const;

private:
    template<class TValue>
    struct TEntry {
        std::string Key;
        TValue Value;
    };
    void ReadEntries(TStream& File);
    template<class TValue>
    static const TValue* Find(const std::vector<TEntry<TValue>>& List, std::string_view Key);

    std::vector<TEntry<std::unique_ptr<TMemoryStream>>> FFiles;
    std::vector<TEntry<std::int32_t>> FIntegers;
    std::vector<TEntry<bool>> FFlags;
    std::vector<TEntry<std::string>> FTexts;
};

// Collects entries and writes them with Save: all embedded files first, then texts, integers and flags,
// each group in the order added. Keys longer than 64 characters are cut to 64.
class TvskThemeFileWriter {
public:
    explicit TvskThemeFileWriter(std::string FileName);

    // Embeds the file at Path, read at once (EFOpenError when it cannot be opened), so that a missing
    // source never leaves a half-written theme file behind.
    void AddFile(const std::string& Key, const std::string& Path);
    // Embeds bytes that are already in memory (images taken from the program's resources).
    void AddFileData(const std::string& Key, std::vector<std::uint8_t> Data);
    void AddInteger(const std::string& Key, std::int32_t Value);
    void AddBool(const std::string& Key, bool Value);
    void AddStr(const std::string& Key, const std::string& Value);

    // Creates (or truncates) the target and writes the file. A file that would not fit the format's 32-bit
    // offsets raises EWriteError before the target is touched.
    //
    // Writing is a separate step rather than the destructor's work, so that its errors reach the caller
    // and a writer abandoned by an exception writes nothing.
    void Save() const;

private:
    template<class TValue>
    struct TEntry {
        std::string Key;
        TValue Value;
    };

    std::string FFileName;
    std::vector<TEntry<std::vector<std::uint8_t>>> FFiles;
    std::vector<TEntry<std::string>> FTexts;
    std::vector<TEntry<std::int32_t>> FIntegers;
    std::vector<TEntry<bool>> FFlags;
};
