#pragma once

#include <array>
#include <cstdint>
#include <string>

// The six rods of the abacus, hundreds down to thousandths, each holding 0 to 9 beads
// stacked from the bottom. The value is kept as the bead counts, so its text is the
// exact decimal sum of the beads whatever has come and gone before.
class AbacusBoard {
public:
    enum class Rod { Hundreds, Tens, Units, Tenths, Hundredths, Thousandths };
    static constexpr int rodCount = 6;
    static constexpr int beadsPerRod = 9;

    // One bead more on the rod; false, and nothing changes, when the rod was full.
    bool addBead(Rod rod);
    // One bead fewer, always the top one; false, and nothing changes, when the rod was empty.
    bool removeBead(Rod rod);
    // Every bead hidden: the value is 0 again.
    void clear();

    // The beads on the rod, 0 to beadsPerRod, stacked from the bottom.
    int count(Rod rod) const { return counts_[index(rod)]; }

    // The number text of the beads' value, as the target's is written.
    std::string text() const;

private:
    static std::size_t index(Rod rod) { return static_cast<std::size_t>(rod); }

    std::array<int, rodCount> counts_{};
};
