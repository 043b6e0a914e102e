#include "abaco/abacus_board.h"

#include "abaco/number_text.h"

namespace {
// What one bead of each rod is worth, hundreds first.
constexpr std::array<std::uint64_t, AbacusBoard::rodCount> stepThousandths{100000, 10000, 1000,
                                                                           100, 10, 1};
}

bool AbacusBoard::addBead(Rod rod)
{
    int &count = counts_[index(rod)];
    if (count >= beadsPerRod)
        return false;
    ++count;
    return true;
}

bool AbacusBoard::removeBead(Rod rod)
{
    int &count = counts_[index(rod)];
    if (count <= 0)
        return false;
    --count;
    return true;
}

void AbacusBoard::clear()
{
    counts_.fill(0);
}

std::string AbacusBoard::text() const
{
    std::uint64_t thousandths = 0;
    for (std::size_t i = 0; i < counts_.size(); ++i)
        thousandths += static_cast<std::uint64_t>(counts_[i]) * stepThousandths[i];
    return numberText(thousandths);
}
