#include "colora/fraction_grid.h"

bool FractionGrid::coloured(int cell) const
{
    return inGrid(cell) && coloured_[static_cast<std::size_t>(cell - 1)];
}

bool FractionGrid::toggle(int cell)
{
    return inGrid(cell) && set(cell, !coloured(cell));
}

bool FractionGrid::clearCell(int cell)
{
    return inGrid(cell) && set(cell, false);
}

bool FractionGrid::colourRow(int row)
{
    return setLine(row, side * (row - 1) + 1, 1, true);
}

bool FractionGrid::clearRow(int row)
{
    return setLine(row, side * (row - 1) + 1, 1, false);
}

bool FractionGrid::colourColumn(int column)
{
    return setLine(column, column, side, true);
}

bool FractionGrid::clearColumn(int column)
{
    return setLine(column, column, side, false);
}

bool FractionGrid::clear()
{
    bool changed = false;
    for (int cell = 1; cell <= cellCount; ++cell)
        changed = set(cell, false) || changed;
    return changed;
}

int FractionGrid::colouredInRow(int row) const
{
    return colouredInLine(row, side * (row - 1) + 1, 1);
}

int FractionGrid::colouredInColumn(int column) const
{
    return colouredInLine(column, column, side);
}

int FractionGrid::colouredInLine(int line, int first, int step) const
{
    int coloured = 0;
    for (int i = 0; line >= 1 && line <= side && i < side; ++i)
        coloured += coloured_[static_cast<std::size_t>(first + i * step - 1)] ? 1 : 0;
    return coloured;
}

bool FractionGrid::setLine(int line, int first, int step, bool colour)
{
    bool changed = false;
    if (line < 1 || line > side)
        return changed;
    for (int i = 0; i < side; ++i)
        changed = set(first + i * step, colour) || changed;
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
