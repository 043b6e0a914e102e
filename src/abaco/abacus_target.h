#pragma once

#include <string>

class AbacusBoard;
class RandomSource;

// A number for the pupil to set on the abacus: a whole part of 1 to 999 and a sine
// below 0.842 rounded to one, two or three decimals, never as many decimals as the
// range code (so small whole parts come with more decimals). Its text is written like
// the board's, from the exact decimal sum, so the two compare character by character.
struct AbacusTarget {
    std::string text;

    // Four draws an attempt: range code, whole part, decimal count, sine, in that order.
    static AbacusTarget draw(RandomSource &random);
    // The beads make the same text, character by character.
    bool isMetBy(const AbacusBoard &board) const;
};
