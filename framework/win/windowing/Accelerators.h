// Accelerator characters: the letter after a single '&' in a caption ("E&xit": x), typed with Alt or, where
// the focused control does not take characters, alone.
#pragma once

#include <string_view>

// Whether Key (either case) is Caption's accelerator; "&&" stands for a plain '&'.
bool IsAccel(char Key, std::string_view Caption);
