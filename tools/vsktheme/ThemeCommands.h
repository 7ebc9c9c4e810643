// The three commands of vsktheme, callable from tests: list a theme file, export a built-in style as a
// theme file, pack a folder of images and values into a theme file. Failures raise TToolError (or the
// framework's stream errors) with a message for the user.
#pragma once

#include "skin/themes/Vskthemetables.h"
#include "tools/vsktheme/ArtSource.h"

#include <iosfwd>
#include <stdexcept>
#include <string>

class TToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One line per entry in file order: key, type, data size, and the value of integers and flags.
void ListThemeFile(const std::string& FileName, std::ostream& Out);

// A complete theme file of the built-in Style: all 42 entries in table order, images taken from Art.
void ExportBuiltInStyle(TvskUIStyle Style, const TArtSource& Art, const std::string& FileName);

// Folder holds Key.bmp for image entries and values.ini with Key=value lines for the others (decimal or
// 0x hexadecimal numbers; 0/1/true/false for flags; blank lines and lines starting with ';' or '#' are
// ignored). Entries are written in table order, so packing what export wrote gives the same bytes.
// Entries the folder lacks are named on Warnings; unknown keys and bad values are errors.
void PackThemeFolder(const std::string& Folder, const std::string& FileName, std::ostream& Warnings);

// The style named Name (ignoring case), for the command line; TToolError for FromThemeFile or a bad name.
TvskUIStyle ParseBuiltInStyle(const std::string& Name);
