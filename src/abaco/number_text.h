#pragma once

#include <cstdint>
#include <string>

// The text of a number of thousandths as the abacus drill writes it, for the board
// and the target alike: the whole part without leading zeros, then, only when the
// fraction is not zero, a comma and its digits without trailing zeros (0, 0,05, 300,2).
// The comma is fixed, like the "," on the board, so no locale can make the two differ.
std::string numberText(std::uint64_t thousandths);
