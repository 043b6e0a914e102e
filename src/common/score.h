#pragma once

#include <cstdint>

enum class Verdict { Right, Wrong };

// The right and the wrong answers of one sitting at a drill. They only grow, and in
// 64 bits no pupil can press "Conferma" often enough to run them out.
class Score {
public:
    Verdict count(bool right)
    {
        ++(right ? right_ : wrong_);
        return right ? Verdict::Right : Verdict::Wrong;
    }

    std::int64_t rightCount() const { return right_; }
    std::int64_t wrongCount() const { return wrong_; }

private:
    std::int64_t right_ = 0;
    std::int64_t wrong_ = 0;
};
