#pragma once

#include <array>

// The 10 x 10 cells of the colouring drill, numbered 1 to 100 row by row, each free
// or coloured, and how many are coloured: the count always equals the coloured cells,
// whatever the order of the operations. Each operation says whether it changed any
// cell; numbers outside the grid change nothing.
class FractionGrid {
public:
    static constexpr int side = 10;
    static constexpr int cellCount = side * side;

    bool coloured(int cell) const;
    int count() const { return count_; }
    // How many cells of a row or a column are coloured; 0 for a line outside the grid.
    int colouredInRow(int row) const;
    int colouredInColumn(int column) const;

    bool toggle(int cell);
    bool clearCell(int cell);
    bool colourRow(int row);
    bool clearRow(int row);
    bool colourColumn(int column);
    bool clearColumn(int column);
    bool clear();

private:
    static bool inGrid(int cell) { return cell >= 1 && cell <= cellCount; }
    // The ten cells first, first + step, … of a line numbered 1 to side.
    int colouredInLine(int line, int first, int step) const;
    bool setLine(int line, int first, int step, bool colour);
    bool set(int cell, bool colour);

    std::array<bool, cellCount> coloured_{};
    int count_ = 0;
};
