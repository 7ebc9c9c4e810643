// The clipboard's text, read and written the way another program would, independently of the code under test.
#pragma once

#include <string>

// The clipboard's text (CF_TEXT), or "" when it holds none. A clipboard that cannot be opened fails the test.
std::string ClipboardText();
// Puts Text on the clipboard as CF_TEXT, replacing whatever was there. Fails the test when it cannot.
void SetClipboardText(const std::string& Text);
