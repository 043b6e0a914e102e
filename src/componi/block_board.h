#pragma once

#include <array>

// The four kinds of base-ten block, lightest first.
enum class BlockKind { Units, Tens, Hundreds, Thousands };

// Nine slots per block kind, shown from slot 1 up without gaps; the built value is their sum, 0 to 9999.
class BlockBoard {
public:
    static constexpr int slots = 9;

    static int weight(BlockKind kind);

    // Fills the lowest free slot of the kind; false, and nothing changes, when all nine are full.
    bool add(BlockKind kind);
    // Frees the highest filled slot of the kind; false, and nothing changes, when none is.
    bool remove(BlockKind kind);
    // Hides every block: the value is 0 again.
    void clear() { counts_.fill(0); }

    // Slots 1 to count(kind) of the kind are filled, the others free.
    int count(BlockKind kind) const;
    int value() const;

private:
    std::array<int, 4> counts_{};
};
