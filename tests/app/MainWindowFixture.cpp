#include "tests/app/MainWindowFixture.h"

#include "tests/support/FileBytes.h"

#include "app/CLCmdMgr.h"

#include <algorithm>

std::vector<Stored> StoredCommands() {
    const TBytes bytes = ReadHistory();
    size_t nAt = 0;
    auto readInt = [&] {
        int32_t n = 0;
        for (int i = 0; i < 4 && nAt < bytes.size(); ++i)
            n |= static_cast<int32_t>(bytes[nAt++]) << (8 * i);
        return n;
    };
    auto readText = [&] {
        const auto nLen = static_cast<size_t>(readInt());
        std::string sText(reinterpret_cast<const char*>(bytes.data() + nAt), std::min(nLen, bytes.size() - nAt));
        nAt += sText.size();
        return sText;
    };
    std::vector<Stored> cmds(static_cast<size_t>(readInt()));
    for (Stored& cmd : cmds) {
        cmd.sCmd = readText();
        cmd.tAccess = readInt();
        for (int i = 0; i < kReservedCount; ++i)
            readText();
        for (int i = 0; i < kReservedCount; ++i)
            readInt();
    }
    FileImage image;
    image.Int(static_cast<int32_t>(cmds.size()));
    for (const Stored& cmd : cmds)
        image.Record(cmd.sCmd, cmd.tAccess);
    EXPECT_EQ(bytes, image.Get()) << "the file holds exactly its records";
    return cmds;
}

void WriteCommands(const std::vector<std::string>& cmds) {
    FileImage image;
    image.Int(static_cast<int32_t>(cmds.size()));
    for (size_t i = 0; i < cmds.size(); ++i)
        image.Record(cmds[i], kOldStamp + static_cast<int32_t>(i));
    WriteHistory(image.Get());
}

std::string StampText(int32_t tAccess) {
    CLCmd cmd = {};
    cmd.tAccess = tAccess;
    char szStamp[kStampSize];
    CLCmdMgr().FormatStamp(&cmd, szStamp, sizeof(szStamp));
    return szStamp;
}
