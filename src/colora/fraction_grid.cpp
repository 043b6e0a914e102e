#include "colora/fraction_grid.h"

bool FractionGrid::coloured(int cell) const
{
    return inGrid(cell) && coloured_[static_cast<std::size_t>(cell - 1)];
}

std::vector<int> FractionGrid::toggle(int cell)
{
    if (!inGrid(cell))
        return {};
    set(cell, !coloured(cell));
    return {cell};
}

std::vector<int> FractionGrid::colourRow(int row)
{
    return setLine(row, side * (row - 1) + 1, 1, true);
}

std::vector<int> FractionGrid::clearRow(int row)
{
    return setLine(row, side * (row - 1) + 1, 1, false);
}

std::vector<int> FractionGrid::colourColumn(int column)
{
    return setLine(column, column, side, true);
}

std::vector<int> FractionGrid::clearColumn(int column)
{
    return setLine(column, column, side, false);
}

std::vector<int> FractionGrid::clearAll()
{
    std::vector<int> changed;
    for (int cell = 1; cell <= cellCount; ++cell) {
        if (set(cell, false))
            changed.push_back(cell);
    }
    return changed;
}

std::vector<int> FractionGrid::setLine(int line, int first, int step, bool colour)
{
    std::vector<int> changed;
    if (line < 1 || line > side)
        return changed;
    for (int i = 0; i < side; ++i) {
        const int cell = first + i * step;
        if (set(cell, colour))
            changed.push_back(cell);
    }
    return changed;
}

bool FractionGrid::set(int cell, bool colour)
{
    bool &state = coloured_[static_cast<std::size_t>(cell - 1)];
    if (state == colour)
        return false;
    state = colour;
    count_ += colour ? 1 : -1;
    return true;
}
