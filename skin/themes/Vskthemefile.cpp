#include "skin/themes/Vskthemefile.h"

#include "framework/core/Exceptions.h"
#include "framework/core/TextUtils.h"
#include "skin/themes/Vskthemeformat.h"

#include <limits>

namespace {

// Enough for the signature field and the header size behind it.
constexpr int SignatureProbeSize = 16;

std::vector<std::uint8_t> ReadData(TStream& File, std::uint32_t Size) {
    std::vector<std::uint8_t> Data(Size);
    File.ReadBuffer(Data.data(), Size);
    return Data;
}

} // namespace

bool IsVSKThemeFile(const std::string& FileName) {
    try {
        TFileStream File(FileName, fmOpenRead | fmShareDenyNone);
        return IsVSKThemeData(File);
    } catch (const EStreamError&) {
        return false;
    }
}

bool IsVSKThemeData(TStream& Data) {
    char Probe[SignatureProbeSize];
    const std::int64_t Got = Data.Read(Probe, SignatureProbeSize);
    return HasThemeSignature(std::string_view(Probe, static_cast<std::size_t>(Got)));
}

TvskThemeFileReader::TvskThemeFileReader(const std::string& FileName) {
    TFileStream File(FileName, fmOpenRead | fmShareDenyNone);
    ReadEntries(File);
}

TvskThemeFileReader::TvskThemeFileReader(TStream& Data) {
    ReadEntries(Data);
}

void TvskThemeFileReader::ReadEntries(TStream& File) {
    WalkThemeFile(File, [this](const TvskThemeEntryHeader& Header, TStream& Data) {
        // Integers and flags of another size than the writer gives them are damage and are skipped, as are
        // entries of types this reader does not know.
        switch (Header.Type) {
        case vskDataFile: {
            auto Stream = std::make_unique<TMemoryStream>();
            Stream->SetSize(Header.DataSize);
            Data.ReadBuffer(Stream->Memory(), Header.DataSize);
            FFiles.push_back({Header.Name, std::move(Stream)});
            break;
        }
        case vskDataInteger:
            if (Header.DataSize == VskThemeIntegerSize)
                FIntegers.push_back(
                    {Header.Name, static_cast<std::int32_t>(GetThemeU32(ReadData(Data, VskThemeIntegerSize).data()))});
            break;
        case vskDataFlag:
            if (Header.DataSize == VskThemeFlagSize)
                FFlags.push_back({Header.Name, ReadData(Data, VskThemeFlagSize)[0] != 0});
            break;
        case vskDataText: {
            const std::vector<std::uint8_t> Text = ReadData(Data, Header.DataSize);
            FTexts.push_back({Header.Name, std::string(Text.begin(), Text.end())});
            break;
        }
        default: break;
        }
    });
}

template<class TValue>
const TValue* TvskThemeFileReader::Find(const std::vector<TEntry<TValue>>& List, std::string_view Key) {
    for (const TEntry<TValue>& Entry : List)
        if (SameText(Entry.Key, Key)) return &Entry.Value;
    return nullptr;
}

TMemoryStream* TvskThemeFileReader::GetFile(std::string_view Key) const {
    const auto* Stream = Find(FFiles, Key);
    if (!Stream) return nullptr;
    (*Stream)->SetPosition(0);
    return Stream->get();
}

std::int32_t TvskThemeFileReader::GetInteger(std::string_view Key) const {
    const std::int32_t* Value = Find(FIntegers, Key);
    return Value ? *Value : -1;
}

bool TvskThemeFileReader::GetBool(std::string_view Key) const {
    const bool* Value = Find(FFlags, Key);
    return Value && *Value;
}

std::string TvskThemeFileReader::GetStr(std::string_view Key) const {
    const std::string* Value = Find(FTexts, Key);
    return Value ? *Value : std::string();
}

TvskThemeFileWriter::TvskThemeFileWriter(std::string FileName) : FFileName(std::move(FileName)) {}

void TvskThemeFileWriter::AddFile(const std::string& Key, const std::string& Path) {
    TMemoryStream Source;
    Source.LoadFromFile(Path);
    const std::uint8_t* Bytes = Source.Memory();
    AddFileData(Key, std::vector<std::uint8_t>(Bytes, Bytes + Source.Size()));
}

void TvskThemeFileWriter::AddFileData(const std::string& Key, std::vector<std::uint8_t> Data) {
    FFiles.push_back({Key, std::move(Data)});
}

void TvskThemeFileWriter::AddInteger(const std::string& Key, std::int32_t Value) {
    FIntegers.push_back({Key, Value});
}

void TvskThemeFileWriter::AddBool(const std::string& Key, bool Value) {
    FFlags.push_back({Key, Value});
}

void TvskThemeFileWriter::AddStr(const std::string& Key, const std::string& Value) {
    FTexts.push_back({Key, Value});
}

void TvskThemeFileWriter::Save() const {
    std::uint64_t Total = VskThemeHeaderSize + VskThemeEntryHeaderSize; // header and terminator
    for (const auto& File : FFiles)
        Total += VskThemeEntryHeaderSize + File.Value.size();
    for (const auto& Text : FTexts)
        Total += VskThemeEntryHeaderSize + Text.Value.size();
    Total += FIntegers.size() * (VskThemeEntryHeaderSize + VskThemeIntegerSize);
    Total += FFlags.size() * (VskThemeEntryHeaderSize + VskThemeFlagSize);
    if (Total > std::numeric_limits<std::uint32_t>::max())
        throw EWriteError("Theme file \"" + FFileName + "\" would exceed the 4 GB the format can address");

    TFileStream Out(FFileName, fmCreate);
    const TvskThemeHeaderBytes FileHeader = EncodeThemeFileHeader();
    Out.WriteBuffer(FileHeader.data(), VskThemeHeaderSize);
    auto Put = [&Out](const std::string& Key, TvskThemeDataType Type, const void* Data, std::size_t Size) {
        TvskThemeEntryHeader Header;
        Header.Name = Key;
        Header.Type = Type;
        Header.DataOffset = static_cast<std::uint32_t>(Out.Position() + VskThemeEntryHeaderSize);
        Header.DataSize = static_cast<std::uint32_t>(Size);
        Header.Next = Header.DataOffset + Header.DataSize;
        const TvskThemeEntryBytes Bytes = EncodeThemeEntryHeader(Header);
        Out.WriteBuffer(Bytes.data(), VskThemeEntryHeaderSize);
        Out.WriteBuffer(Data, static_cast<std::int64_t>(Size));
    };
    for (const auto& File : FFiles)
        Put(File.Key, vskDataFile, File.Value.data(), File.Value.size());
    for (const auto& Text : FTexts)
        Put(Text.Key, vskDataText, Text.Value.data(), Text.Value.size());
    for (const auto& Integer : FIntegers) {
        std::uint8_t Bytes[VskThemeIntegerSize];
        PutThemeU32(Bytes, static_cast<std::uint32_t>(Integer.Value));
        Put(Integer.Key, vskDataInteger, Bytes, VskThemeIntegerSize);
    }
    for (const auto& Flag : FFlags) {
        const std::uint8_t Byte = Flag.Value ? 1 : 0;
        Put(Flag.Key, vskDataFlag, &Byte, VskThemeFlagSize);
    }
    const TvskThemeEntryBytes Terminator = EncodeThemeEntryHeader({});
    Out.WriteBuffer(Terminator.data(), VskThemeEntryHeaderSize);
}
