#pragma once

#include <array>
#include <vector>

// The 10 x 10 cells of the colouring drill, numbered 1 to 100 row by row, each free
// or coloured, and how many are coloured: the count always equals the coloured cells,
// whatever the order of the operations. Each operation returns the cells it flipped,
// in the order it went through them; numbers outside the grid change nothing.
class FractionGrid {
public:
    static constexpr int side = 10;
    static constexpr int cellCount = side * side;

    bool coloured(int cell) const;
    int count() const { return count_; }

    std::vector<int> toggle(int cell);
    std::vector<int> colourRow(int row);
    std::vector<int> clearRow(int row);
    std::vector<int> colourColumn(int column);
    std::vector<int> clearColumn(int column);
    std::vector<int> clearAll();

private:
    static bool inGrid(int cell) { return cell >= 1 && cell <= cellCount; }
    // Sets the ten cells first, first + step, … to the state; a line is 1 to side.
    std::vector<int> setLine(int line, int first, int step, bool colour);
    bool set(int cell, bool colour);

    std::array<bool, cellCount> coloured_{};
    int count_ = 0;
};
