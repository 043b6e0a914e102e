#pragma once

#include <array>
#include <optional>

// The four kinds of base-ten block, lightest first.
enum class BlockKind { Units, Tens, Hundreds, Thousands };

// Nine slots per block kind, shown from slot 1 up without gaps; the built value is their sum, 0 to 9999.
class BlockBoard {
public:
    static constexpr int slots = 9;

    static int weight(BlockKind kind);

    // Shows the lowest hidden slot of the kind and gives it; nothing when all nine are shown.
    std::optional<int> add(BlockKind kind);
    // Hides the highest shown slot of the kind and gives it; nothing when none is shown.
    std::optional<int> remove(BlockKind kind);
    // Hides every block: the value is 0 again.
    void clear() { counts_.fill(0); }

    int count(BlockKind kind) const;
    int value() const;

private:
    std::array<int, 4> counts_{};
};
