#pragma once

#include <array>
#include <optional>
#include <vector>

// The four kinds of base-ten block, lightest first.
enum class BlockKind { Units, Tens, Hundreds, Thousands };

// Nine slots per block kind, shown from slot 1 up without gaps; the built value is their sum, 0 to 9999.
class BlockBoard {
public:
    static constexpr int slots = 9;

    struct Block {
        BlockKind kind;
        int slot; // 1 to 9

        friend bool operator==(const Block &, const Block &) = default;
    };

    static int weight(BlockKind kind);

    // Shows the lowest hidden slot of the kind and gives it; nothing when all nine are shown.
    std::optional<int> add(BlockKind kind);
    // Hides the highest shown slot of the kind and gives it; nothing when none is shown.
    std::optional<int> remove(BlockKind kind);
    // Hides every block and gives those that were shown, slot by slot from 1 to 9,
    // thousands before hundreds, tens and units within a slot.
    std::vector<Block> clear();

    int count(BlockKind kind) const;
    bool shown(BlockKind kind, int slot) const;
    int value() const;

private:
    std::array<int, 4> counts_{};
};
