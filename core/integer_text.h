#pragma once
// Number lines of the settings: an optional sign and decimal digits, within
// 32 bits; anything else is "'%s' は整数ではありません".

#include "line_list.h"

#include <cstdint>
#include <string>

std::int32_t toInteger(const std::string& cp932Text);

// Line `index` of `lines` as an integer; ListIndexError past the end.
std::int32_t integerLine(const LineList& lines, long index);
const std::string& lineAt(const LineList& lines, long index);
