#pragma once

#include <algorithm>

// An int that keeps within Lo..Hi: a value from outside is stored as the nearer end. It reads
// as a plain int, so a field can take it on without the code that uses the field changing.
template <int Lo, int Hi> class ClampedInt {
    static_assert(Lo <= Hi);

public:
    constexpr ClampedInt() = default;
    constexpr explicit ClampedInt(int value) : value_(std::clamp(value, Lo, Hi)) {}

    constexpr operator int() const { return value_; }

    constexpr ClampedInt& operator=(int value) {
        value_ = std::clamp(value, Lo, Hi);
        return *this;
    }
    constexpr ClampedInt& operator+=(int step) { return moveBy(step); }
    constexpr ClampedInt& operator-=(int step) { return moveBy(-static_cast<long long>(step)); }
    constexpr ClampedInt& operator++() { return *this += 1; }
    constexpr ClampedInt& operator--() { return *this -= 1; }

private:
    // Worked in a wider type, so a step of any size lands on an end instead of overflowing.
    constexpr ClampedInt& moveBy(long long step) {
        value_ = static_cast<int>(std::clamp<long long>(value_ + step, Lo, Hi));
        return *this;
    }

    int value_ = std::clamp(0, Lo, Hi);
};
