#include "decimal.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace quorrel
{
namespace
{

using Limbs = std::vector<std::uint32_t>;

constexpr std::uint32_t kBase = 1'000'000'000;
constexpr int kLimbDigits = 9;
constexpr std::uint32_t kPowersOfTen[kLimbDigits] = {
    1, 10, 100, 1'000, 10'000, 100'000, 1'000'000, 10'000'000, 100'000'000};

// Terms this many powers of ten below the last digit of those above them
// cannot turn the sign of their sum, however many (up to 10^9) there are.
constexpr std::int64_t kGap = kLimbDigits;

void trim(Limbs &limbs)
{
    while (!limbs.empty() && limbs.back() == 0)
        limbs.pop_back();
}

void multiplySmall(Limbs &limbs, std::uint32_t factor)
{
    std::uint64_t carry = 0;
    for (std::uint32_t &limb : limbs) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product % kBase);
        carry = product / kBase;
    }
    while (carry != 0) {
        limbs.push_back(static_cast<std::uint32_t>(carry % kBase));
        carry /= kBase;
    }
    trim(limbs);
}

// limbs x 10^digits.
Limbs shifted(const Limbs &limbs, std::int64_t digits)
{
    Limbs result(static_cast<std::size_t>(digits / kLimbDigits), 0);
    result.insert(result.end(), limbs.begin(), limbs.end());
    multiplySmall(result, kPowersOfTen[digits % kLimbDigits]);
    return result;
}

void addTo(Limbs &sum, const Limbs &term)
{
    if (sum.size() < term.size())
        sum.resize(term.size(), 0);
    std::uint32_t carry = 0;
    for (std::size_t i = 0; i < sum.size(); ++i) {
        std::uint32_t value = sum[i] + carry + (i < term.size() ? term[i] : 0);
        carry = value >= kBase ? 1 : 0;
        sum[i] = value - carry * kBase;
    }
    if (carry != 0)
        sum.push_back(carry);
}

// a - b, where a is at least b.
void subtractFrom(Limbs &a, const Limbs &b)
{
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::int64_t value = std::int64_t{a[i]} - borrow - (i < b.size() ? b[i] : 0);
        borrow = value < 0 ? 1 : 0;
        a[i] = static_cast<std::uint32_t>(value + borrow * kBase);
    }
    trim(a);
}

int compareLimbs(const Limbs &a, const Limbs &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

int digitCount(std::uint32_t limb)
{
    int count = 1;
    while (count < kLimbDigits && limb >= kPowersOfTen[count])
        ++count;
    return count;
}

std::int64_t clampExponent(std::int64_t exponent)
{
    return std::clamp(exponent, -Decimal::kMaxExponent, Decimal::kMaxExponent);
}

} // namespace

Decimal::Decimal(std::int64_t units, std::int64_t exponent)
{
    negative_ = units < 0;
    exponent = clampExponent(exponent);
    // Through the unsigned type, so the most negative units have a magnitude.
    std::uint64_t magnitude =
        negative_ ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    while (magnitude != 0 && magnitude % 10 == 0) {
        magnitude /= 10;
        ++exponent;
    }
    while (magnitude != 0) {
        limbs_.push_back(static_cast<std::uint32_t>(magnitude % kBase));
        magnitude /= kBase;
    }
    exponent_ = clampExponent(exponent);
    normalize();
}

Decimal Decimal::fromDigits(bool negative, std::string_view digits, std::int64_t exponent)
{
    while (!digits.empty() && digits.front() == '0')
        digits.remove_prefix(1);
    // Trailing zeros go into the exponent, so a long "1000…0" costs nothing.
    while (!digits.empty() && digits.back() == '0') {
        digits.remove_suffix(1);
        exponent = exponent < kMaxExponent ? exponent + 1 : exponent;
    }
    Decimal d;
    d.negative_ = negative;
    d.exponent_ = clampExponent(exponent);
    for (std::size_t end = digits.size(); end > 0;) {
        const std::size_t begin = end >= kLimbDigits ? end - kLimbDigits : 0;
        std::uint32_t limb = 0;
        for (std::size_t i = begin; i < end; ++i)
            limb = limb * 10 + static_cast<std::uint32_t>(digits[i] - '0');
        d.limbs_.push_back(limb);
        end = begin;
    }
    d.normalize();
    return d;
}

void Decimal::normalize()
{
    trim(limbs_);
    if (limbs_.empty()) {
        negative_ = false;
        exponent_ = 0;
    }
}

std::int64_t Decimal::top() const
{
    return exponent_ + static_cast<std::int64_t>(kLimbDigits * (limbs_.size() - 1)) +
           digitCount(limbs_.back()) - 1;
}

Decimal Decimal::operator-() const
{
    Decimal d = *this;
    d.negative_ = !negative_;
    d.normalize();
    return d;
}

Decimal Decimal::operator*(std::uint32_t factor) const
{
    Decimal d = *this;
    multiplySmall(d.limbs_, factor);
    d.normalize();
    return d;
}

Decimal operator+(const Decimal &a, const Decimal &b)
{
    if (a.limbs_.empty())
        return b;
    if (b.limbs_.empty())
        return a;
    const std::int64_t low = std::min(a.bottom(), b.bottom());
    Limbs x = shifted(a.limbs_, a.bottom() - low);
    Limbs y = shifted(b.limbs_, b.bottom() - low);
    Decimal sum;
    sum.exponent_ = low;
    if (a.negative_ == b.negative_) {
        addTo(x, y);
        sum.negative_ = a.negative_;
        sum.limbs_ = std::move(x);
    } else if (compareLimbs(x, y) >= 0) {
        subtractFrom(x, y);
        sum.negative_ = a.negative_;
        sum.limbs_ = std::move(x);
    } else {
        subtractFrom(y, x);
        sum.negative_ = b.negative_;
        sum.limbs_ = std::move(y);
    }
    // Trailing zeros go into the exponent, as every other Decimal keeps them.
    std::size_t zeroLimbs = 0;
    while (zeroLimbs + 1 < sum.limbs_.size() && sum.limbs_[zeroLimbs] == 0)
        ++zeroLimbs;
    sum.limbs_.erase(sum.limbs_.begin(),
                     sum.limbs_.begin() + static_cast<std::ptrdiff_t>(zeroLimbs));
    sum.exponent_ += static_cast<std::int64_t>(zeroLimbs) * kLimbDigits;
    while (!sum.limbs_.empty() && sum.limbs_.front() % 10 == 0) {
        std::uint32_t carry = 0;
        for (std::size_t i = sum.limbs_.size(); i-- > 0;) {
            const std::uint64_t value = std::uint64_t{carry} * kBase + sum.limbs_[i];
            sum.limbs_[i] = static_cast<std::uint32_t>(value / 10);
            carry = static_cast<std::uint32_t>(value % 10);
        }
        ++sum.exponent_;
        trim(sum.limbs_);
    }
    sum.normalize();
    return sum;
}

std::string Decimal::toText() const
{
    if (limbs_.empty())
        return "0";
    std::string text = negative_ ? "-" : "";
    text += std::to_string(limbs_.back());
    for (std::size_t i = limbs_.size() - 1; i-- > 0;) {
        const std::string limb = std::to_string(limbs_[i]);
        text.append(kLimbDigits - limb.size(), '0');
        text += limb;
    }
    if (exponent_ != 0)
        text += 'e' + std::to_string(exponent_);
    return text;
}

double Decimal::toDouble() const
{
    if (limbs_.empty())
        return 0.0;
    const std::string text = toText();
    const char *first = text.data() + (negative_ ? 1 : 0);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(first, text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range)
        value = top() >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative_ ? -value : value;
}

int signOfSum(std::initializer_list<Decimal> terms)
{
    std::vector<const Decimal *> live;
    for (const Decimal &term : terms) {
        if (term.sign() != 0)
            live.push_back(&term);
    }
    std::sort(live.begin(), live.end(),
              [](const Decimal *a, const Decimal *b) { return a->top() > b->top(); });
    // From the largest terms down, a group of terms whose digits overlap or
    // nearly do is summed exactly; a non-zero sum is at least a unit of its
    // lowest digit, which everything further below cannot outweigh. Only a
    // group that cancels hands the sign to the terms below it.
    for (std::size_t first = 0; first < live.size();) {
        std::int64_t low = live[first]->bottom();
        std::size_t end = first + 1;
        while (end < live.size() && live[end]->top() >= low - kGap) {
            low = std::min(low, live[end]->bottom());
            ++end;
        }
        Limbs positive;
        Limbs negative;
        for (std::size_t i = first; i < end; ++i)
            addTo(live[i]->negative_ ? negative : positive,
                  shifted(live[i]->limbs_, live[i]->bottom() - low));
        trim(positive);
        trim(negative);
        if (const int c = compareLimbs(positive, negative); c != 0)
            return c;
        first = end;
    }
    return 0;
}

int compare(const Decimal &a, const Decimal &b)
{
    return signOfSum({a, -b});
}

} // namespace quorrel
