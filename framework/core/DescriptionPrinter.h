// Writes a description tree as canonical text: two spaces of indentation per level, integers in decimal,
// strings quoted with control and non-ASCII characters as #N codes and split into pieces joined by '+'
// when long, binary data as hex wrapped at a fixed width, one line per string-list entry and per item.
// Parsing the result and printing it again gives the same text.
#pragma once

#include "framework/core/DescriptionTree.h"

#include <string>

std::string PrintDescription(const TDescObject& Root);
