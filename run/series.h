#pragma once

#include <cstddef>
#include <vector>

// An ordered list of (x, y) samples. x is stored as the step number and read back
// through the x multiplier, so the stored data never depends on the time step.
class SampleSeries {
public:
    void Clear()
    {
        x_.clear();
        y_.clear();
    }
    void Reserve(std::size_t n)
    {
        x_.reserve(n);
        y_.reserve(n);
    }
    void Add(double x, double y)
    {
        x_.push_back(x);
        y_.push_back(y);
    }
    std::size_t Count() const { return y_.size(); }
    double XValue(std::size_t i) const { return x_[i] * XMultiplier; }
    double YValue(std::size_t i) const { return y_[i]; }

    // The stored values, for drawing without copies.
    const std::vector<double>& StoredX() const { return x_; }
    const std::vector<double>& StoredY() const { return y_; }
    std::size_t Capacity() const { return y_.capacity(); }

    double XMultiplier = 1.0;

private:
    std::vector<double> x_;
    std::vector<double> y_;
};
