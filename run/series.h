#pragma once

#include <cstddef>
#include <vector>

// An ordered list of (x, y) samples whose x is the step number: sample i was appended at
// step i of the run, so only y is stored. x is read back through the x multiplier, which
// turns step numbers into the time of the step.
class SampleSeries {
public:
    void Clear() { y_.clear(); }
    void Reserve(std::size_t n) { y_.reserve(n); }
    void Add(double y) { y_.push_back(y); }
    std::size_t Count() const { return y_.size(); }
    double XValue(std::size_t i) const { return static_cast<double>(i) * XMultiplier; }
    double YValue(std::size_t i) const { return y_[i]; }

    // The stored values, for drawing without copies.
    const std::vector<double>& StoredY() const { return y_; }

    double XMultiplier = 1.0;

private:
    std::vector<double> y_;
};
