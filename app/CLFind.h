#pragma once

#include <functional>
#include <string>

// The row of the next command whose text holds sWhat, ignoring case: searching from the row after nFrom
// (bForward) or before it, round the end of the list and back to nFrom itself last, so that a lone match is
// found again. nFrom -1 (nothing selected) starts at the first row forwards, at the last backwards. Returns -1
// when no row matches or sWhat is empty. RowText(i) gives the text of row i of nRows.
int FindRow(int nRows, int nFrom, bool bForward, const std::string& sWhat,
            const std::function<std::string(int)>& RowText);
