#include "framework/win/graphics/IcoFormat.h"

#include "framework/win/graphics/GraphicsExceptions.h"

#include <cstring>
#include <string>

namespace {

constexpr std::uint16_t IconType = 1;
constexpr std::size_t DirHeaderSize = 6;    // reserved, type, count
constexpr std::size_t FileEntrySize = 16;   // ... image size, file offset
constexpr std::size_t GroupEntrySize = 14;  // ... image size, resource id
constexpr std::size_t EntryFixedPart = 12;  // width, height, colours, reserved, planes, bits, image size
constexpr std::size_t EntryImageSizeAt = 8; // within an entry
constexpr int FullSizeCode = 256;           // an entry size of 0 means 256 pixels

std::uint16_t U16(std::span<const std::uint8_t> Data, std::size_t Offset) {
    return static_cast<std::uint16_t>(Data[Offset] | Data[Offset + 1] << 8);
}

std::uint32_t U32(std::span<const std::uint8_t> Data, std::size_t Offset) {
    std::uint32_t Value;
    std::memcpy(&Value, Data.data() + Offset, sizeof Value);
    return Value;
}

void PutU32(std::vector<std::uint8_t>& Out, std::size_t Offset, std::uint32_t Value) {
    std::memcpy(Out.data() + Offset, &Value, sizeof Value);
}

int EntrySize(std::uint8_t Code) {
    return Code ? Code : FullSizeCode;
}

// The bytes of a resource of the module; empty when there is none.
std::span<const std::uint8_t> ResourceBytes(HINSTANCE Instance, const char* Name, const char* Type) {
    const HRSRC Resource = ::FindResourceA(Instance, Name, Type);
    const HGLOBAL Loaded = Resource ? ::LoadResource(Instance, Resource) : nullptr;
    const void* Data = Loaded ? ::LockResource(Loaded) : nullptr;
    if (!Data) return {};
    return {static_cast<const std::uint8_t*>(Data), ::SizeofResource(Instance, Resource)};
}

} // namespace

std::vector<TIcoEntry> ReadIcoDirectory(std::span<const std::uint8_t> File) {
    if (File.size() < DirHeaderSize || U16(File, 0) != 0 || U16(File, 2) != IconType)
        throw EInvalidGraphic("Icon image is not valid");
    const std::size_t Count = U16(File, 4);
    if (Count == 0 || File.size() < DirHeaderSize + Count * FileEntrySize)
        throw EInvalidGraphic("Icon image is not valid");
    std::vector<TIcoEntry> Entries;
    for (std::size_t I = 0; I < Count; ++I) {
        const std::size_t At = DirHeaderSize + I * FileEntrySize;
        const std::size_t Size = U32(File, At + EntryImageSizeAt);
        const std::size_t Offset = U32(File, At + EntryFixedPart);
        if (Size == 0 || Offset > File.size() || Size > File.size() - Offset)
            throw EInvalidGraphic("Icon image is not valid");
        Entries.push_back({EntrySize(File[At]), EntrySize(File[At + 1]), File.subspan(Offset, Size)});
    }
    return Entries;
}

const TIcoEntry& ChooseIcoEntry(const std::vector<TIcoEntry>& Entries, int WantedWidth) {
    const TIcoEntry* Largest = &Entries.front();
    for (const TIcoEntry& Entry : Entries) {
        if (Entry.Width == WantedWidth) return Entry;
        if (Entry.Width > Largest->Width) Largest = &Entry;
    }
    return *Largest;
}

std::vector<std::uint8_t> IcoFileFromResource(HINSTANCE Instance, const char* Name) {
    const std::span<const std::uint8_t> Group = ResourceBytes(Instance, Name, RT_GROUP_ICON);
    if (Group.size() < DirHeaderSize) throw EResNotFound(Name);
    const std::size_t Count = U16(Group, 4);
    if (Group.size() < DirHeaderSize + Count * GroupEntrySize) throw EInvalidGraphic("Icon image is not valid");

    // The group directory becomes the file directory: the same fixed part, then a file offset where the
    // group has the id of the RT_ICON resource holding the image.
    std::vector<std::uint8_t> File(DirHeaderSize + Count * FileEntrySize);
    std::memcpy(File.data(), Group.data(), DirHeaderSize);
    for (std::size_t I = 0; I < Count; ++I) {
        const std::size_t GroupAt = DirHeaderSize + I * GroupEntrySize;
        const std::uint16_t Id = U16(Group, GroupAt + EntryFixedPart);
        const std::span<const std::uint8_t> Image = ResourceBytes(Instance, MAKEINTRESOURCEA(Id), RT_ICON);
        if (Image.empty()) throw EResNotFound(Name);
        const std::size_t FileAt = DirHeaderSize + I * FileEntrySize;
        std::memcpy(File.data() + FileAt, Group.data() + GroupAt, EntryFixedPart);
        PutU32(File, FileAt + EntryImageSizeAt, static_cast<std::uint32_t>(Image.size()));
        PutU32(File, FileAt + EntryFixedPart, static_cast<std::uint32_t>(File.size()));
        File.insert(File.end(), Image.begin(), Image.end());
    }
    return File;
}
