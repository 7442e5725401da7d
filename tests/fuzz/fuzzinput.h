#pragma once

// What the harnesses share: the fuzzer's bytes read as numbers, and a check
// that stops the run where it fails.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace quorrel::fuzz
{

// Reads the input a byte at a time, zeros once it runs out. A number is
// either any double at all (NaN and infinities included) or one spread
// evenly over a range, as the first byte says.
struct Reader {
    const std::uint8_t *data;
    std::size_t size;

    std::uint8_t byte()
    {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }
    double next(double lo, double hi)
    {
        const bool raw = (byte() & 1) == 0;
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits = bits << 8 | byte();
        if (!raw)
            return lo + (hi - lo) * (static_cast<double>(bits >> 11) / 9007199254740992.0);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
};

inline void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

} // namespace quorrel::fuzz
