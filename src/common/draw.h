#pragma once

// Whole numbers drawn from uniform values u with 0 <= u < 1, as floor(n * u + 1):
// each of 1 .. n is equally likely. A value outside [0, 1) from a faulty source is
// held to 1 .. n rather than trusted.

// In double precision, where the product of a float and a small whole number is
// exact, so the ends fall where the formula puts them.
int wholeFrom1To(int n, float u);

// In single precision throughout, as the abacus has always drawn its targets: its
// sequence of targets for a given sequence of draws must not change.
int wholeFrom1ToSingle(int n, float u);
