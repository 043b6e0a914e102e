#pragma once

#include <string_view>

// Reads typed text as a number the way the checker always has: blanks (space, tab,
// line feed) are skipped wherever they stand, then an optional sign, digits and at
// most one "." are taken up to the first character that cannot continue the number.
// No number at the start reads as 0; the comma, exponents and grouping are not read.
// Any text is safe: a value beyond the range of a double reads as an infinity of its
// sign, one too small to represent as a zero of its sign.
double readNumber(std::string_view text);
