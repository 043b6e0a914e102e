#pragma once

class RandomSource;

// A fraction to colour: tenths, hundredths or thousandths as drawn, never reduced,
// and the whole number of cells out of 100 that it asks for, always 1 to 100.
class Fraction {
public:
    enum class Kind { Tenths = 1, Hundredths = 2, Thousandths = 3 };

    // Takes two draws: the kind, then the numerator.
    static Fraction draw(RandomSource &random);

    Kind kind() const { return kind_; }
    int numerator() const { return numerator_; }
    int denominator() const;
    int targetCells() const;

private:
    Fraction(Kind kind, int numerator)
        : kind_(kind)
        , numerator_(numerator)
    {
    }

    Kind kind_;
    int numerator_;
};
