#include "app/CLFind.h"

#include <windows.h>

namespace {
// Case is ignored by the ANSI code page's rules, as the editor raises letters.
std::string Upper(std::string sText) {
    if (!sText.empty()) CharUpperBuffA(sText.data(), static_cast<DWORD>(sText.size()));
    return sText;
}
} // namespace

int FindRow(int nRows, int nFrom, bool bForward, const std::string& sWhat,
            const std::function<std::string(int)>& RowText) {
    if (sWhat.empty() || nRows <= 0) return -1;
    const std::string sNeedle = Upper(sWhat);
    if (nFrom < 0 || nFrom >= nRows) nFrom = bForward ? nRows - 1 : 0;
    for (int i = 1; i <= nRows; ++i) {
        const int nRow = bForward ? (nFrom + i) % nRows : (nFrom - i + nRows) % nRows;
        if (Upper(RowText(nRow)).find(sNeedle) != std::string::npos) return nRow;
    }
    return -1;
}
