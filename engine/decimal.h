#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace quorrel
{

// A decimal number exactly as typed: an integer of any length times a power of
// ten. A double holds few typed decimals exactly (79.48 is not 79.48 in
// binary), so a method's decimal edges (Q = 0.5, 23.2 °C) are decided on this
// and the arithmetic that follows them is done in doubles.
class Decimal
{
public:
    // Exponents are kept exactly up to this magnitude and saturate beyond it:
    // a value of more than a trillion trillion digits nobody types.
    static constexpr std::int64_t kMaxExponent = 1'000'000'000'000'000'000;

    Decimal() = default; // zero
    // units x 10^exponent, for the edges of a method: Decimal(9896, -2) is 98.96.
    Decimal(std::int64_t units, std::int64_t exponent);
    // digits (ASCII, leading zeros allowed, none for zero) x 10^exponent.
    static Decimal fromDigits(bool negative, std::string_view digits, std::int64_t exponent);

    int sign() const { return limbs_.empty() ? 0 : negative_ ? -1 : 1; }
    Decimal operator-() const;
    // The exact product with a non-negative integer, as a coefficient.
    Decimal operator*(std::uint32_t factor) const;
    // The exact sum and difference: as many digits as the two need, so keep
    // the terms' magnitudes within a few thousand powers of ten of each other.
    friend Decimal operator+(const Decimal &a, const Decimal &b);
    friend Decimal operator-(const Decimal &a, const Decimal &b) { return a + -b; }
    // The lowest and highest powers of ten among the digits; zero has none
    // and gives 0.
    std::int64_t lowestPower() const { return limbs_.empty() ? 0 : bottom(); }
    std::int64_t highestPower() const { return limbs_.empty() ? 0 : top(); }

    // The nearest double, as std::from_chars reads the same digits; an
    // infinity beyond the double range and a zero below it.
    double toDouble() const;
    // The digits with a point and an exponent ("-1234e-2"), for test messages.
    std::string toText() const;

    // -1, 0 or 1 as a is below, at or above b. No operator<=>: its header
    // brings <concepts>, which Qt 6.4's moc cannot read in a window's header.
    friend int compare(const Decimal &a, const Decimal &b);
    friend bool operator==(const Decimal &a, const Decimal &b) { return compare(a, b) == 0; }
    friend bool operator<(const Decimal &a, const Decimal &b) { return compare(a, b) < 0; }
    friend bool operator<=(const Decimal &a, const Decimal &b) { return compare(a, b) <= 0; }
    friend bool operator>(const Decimal &a, const Decimal &b) { return compare(a, b) > 0; }
    friend bool operator>=(const Decimal &a, const Decimal &b) { return compare(a, b) >= 0; }
    // The sign of the exact sum, however far apart the terms' magnitudes: a
    // linear condition on typed values (2 x body - room > 98.96) is one call.
    friend int signOfSum(std::initializer_list<Decimal> terms);

private:
    // The lowest and highest powers of ten among the digits.
    std::int64_t bottom() const { return exponent_; }
    std::int64_t top() const;
    void normalize();

    bool negative_ = false;
    // The integer in base 10^9, least significant limb first, no zero limb
    // on top: empty for zero.
    std::vector<std::uint32_t> limbs_;
    std::int64_t exponent_ = 0;
};

int signOfSum(std::initializer_list<Decimal> terms);
Decimal operator+(const Decimal &a, const Decimal &b);

} // namespace quorrel
