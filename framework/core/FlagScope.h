// TFlagScope: a flag set for the scope's lifetime and its old value put back at the end, also when what runs
// meanwhile throws. Guards against re-entry and echoes: the code that might come back looks at the flag.
#pragma once

class TFlagScope {
public:
    explicit TFlagScope(bool& Flag) : FFlag(Flag), FSaved(Flag) { FFlag = true; }
    ~TFlagScope() { FFlag = FSaved; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& FFlag;
    bool FSaved;
};
