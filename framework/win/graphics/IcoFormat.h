// The ICO file format: reading its directory and assembling an ICO file from an icon group resource, so that
// icons from files, streams and resources all take one path.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

// One image of an ICO file.
struct TIcoEntry {
    int Width = 0;
    int Height = 0;
    std::span<const std::uint8_t> Image; // the DIB (or PNG) of the entry, inside the file's bytes
};

// The entries of an ICO file, each checked to lie within File; EInvalidGraphic for anything malformed.
std::vector<TIcoEntry> ReadIcoDirectory(std::span<const std::uint8_t> File);

// The entry to use for a wanted width: an exact match, else the largest image.
const TIcoEntry& ChooseIcoEntry(const std::vector<TIcoEntry>& Entries, int WantedWidth);

// The ICO file made of the RT_GROUP_ICON resource Name and its RT_ICON images; EResNotFound when missing.
std::vector<std::uint8_t> IcoFileFromResource(HINSTANCE Instance, const char* Name);
