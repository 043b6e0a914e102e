#pragma once

#include <string>

class FractionGrid;
class RandomSource;

// A fraction to colour, tenths, hundredths or thousandths, shown as drawn and never
// reduced, and the cells out of 100 that it asks for: always a whole number, 1 to 100.
class Fraction {
public:
    // Takes two draws: the denominator, then the numerator.
    static Fraction draw(RandomSource &random);

    int numerator() const { return numerator_; }
    int denominator() const { return denominator_; }
    int targetCells() const { return numerator_ * 100 / denominator_; }
    bool isMetBy(const FractionGrid &grid) const;

    // The fraction as one says it: "1 decimo", "320 millesimi".
    std::string spoken() const;

private:
    Fraction(int numerator, int denominator)
        : numerator_(numerator)
        , denominator_(denominator)
    {
    }

    int numerator_;
    int denominator_;
};
