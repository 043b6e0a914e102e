#pragma once

#include "common/random_source.h"

#include <cstddef>
#include <stdexcept>
#include <utility>
#include <vector>

// Hands out the given draws in order; running out is a test fault, not a silent repeat.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws)
        : draws_(std::move(draws))
    {
    }

    float next() override
    {
        if (used_ >= draws_.size())
            throw std::logic_error("scripted random source ran out of draws");
        return draws_[used_++];
    }

    std::size_t used() const { return used_; }

private:
    std::vector<float> draws_;
    std::size_t used_ = 0;
};
