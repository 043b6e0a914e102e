#include "componi/block_board.h"

namespace {

std::size_t index(BlockKind kind)
{
    return static_cast<std::size_t>(kind);
}

} // namespace

int BlockBoard::weight(BlockKind kind)
{
    switch (kind) {
    case BlockKind::Units:
        return 1;
    case BlockKind::Tens:
        return 10;
    case BlockKind::Hundreds:
        return 100;
    case BlockKind::Thousands:
        return 1000;
    }
    return 0;
}

bool BlockBoard::add(BlockKind kind)
{
    int &count = counts_[index(kind)];
    if (count == slots)
        return false;
    ++count;
    return true;
}

bool BlockBoard::remove(BlockKind kind)
{
    int &count = counts_[index(kind)];
    if (count == 0)
        return false;
    --count;
    return true;
}

int BlockBoard::count(BlockKind kind) const
{
    return counts_[index(kind)];
}

int BlockBoard::value() const
{
    int value = 0;
    for (BlockKind kind : {BlockKind::Units, BlockKind::Tens, BlockKind::Hundreds,
                           BlockKind::Thousands})
        value += weight(kind) * count(kind);
    return value;
}
