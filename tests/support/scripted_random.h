#pragma once

#include "common/random_source.h"

#include <cstddef>
#include <vector>

// Hands out the given draws in order; running out throws (a test fault, not a silent repeat).
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}
    float next() override { return draws_.at(used_++); }
    std::size_t used() const { return used_; }

private:
    std::vector<float> draws_;
    std::size_t used_ = 0;
};
