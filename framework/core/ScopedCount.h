// TScopedCount: one more in a counter while it lives, also when what runs meanwhile throws. Code that must not
// be undone under its own feet (a component whose handler is running further up the stack) counts itself busy
// this way and looks at the counter before freeing anything.
#pragma once

class TScopedCount {
public:
    explicit TScopedCount(int& Counter) : FCounter(Counter) { ++FCounter; }
    ~TScopedCount() { --FCounter; }
    TScopedCount(const TScopedCount&) = delete;
    TScopedCount& operator=(const TScopedCount&) = delete;

private:
    int& FCounter;
};
