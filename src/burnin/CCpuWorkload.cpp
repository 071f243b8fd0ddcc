#include "burnin/CCpuWorkload.h"

#include <cmath>
#include <cstring>
#include <float.h>

namespace {

uint64_t BitsOf(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof(bits));
    return bits;
}

// Each half of the bit pattern rotated by `by` (0 < by < 32): a different place for the bits of
// each value that goes into one round's fold, in cheap 32-bit operations.
uint64_t Rotated(double value, unsigned by) {
    uint32_t halves[2] = {};
    std::memcpy(halves, &value, sizeof(halves));
    const uint32_t low = halves[0] << by | halves[0] >> (32 - by);
    const uint32_t high = halves[1] << by | halves[1] >> (32 - by);
    return static_cast<uint64_t>(high) << 32 | low;
}

// An invertible mix: for the same round, different digests stay different.
uint64_t Folded(uint64_t digest, uint64_t round) {
    digest = (digest ^ round) * 0x9E3779B97F4A7C15ull;
    return digest ^ (digest >> 29);
}

void Flip(double& value, int bit) {
    const uint64_t bits = BitsOf(value) ^ (1ull << (bit & 63));
    std::memcpy(&value, &bits, sizeof(value));
}

void Flip(uint32_t& value, int bit) {
    value ^= 1u << (bit & 31);
}

} // namespace

// Only the x87 unit of a 32-bit program has a precision to set. A 64-bit runtime does not support
// the precision mask and may take it for an invalid argument.
CCpuWorkload::CCpuWorkload() {
#if defined(__i386__) || defined(_M_IX86)
    savedControl_ = _controlfp(0, 0);
    _controlfp(_PC_53, _MCW_PC);
#endif
}

CCpuWorkload::~CCpuWorkload() {
#if defined(__i386__) || defined(_M_IX86)
    _controlfp(savedControl_, _MCW_PC);
#endif
}

void CCpuWorkload::Step(uint32_t counter) {
    if (counter == fault_.counter)
        Rounds<true>(counter);
    else
        Rounds<false>(counter);
}

template <bool kFaulty> void CCpuWorkload::Rounds(uint32_t counter) {
    uint32_t a = a_, b = b_, m = m_;
    double x = x_, y = y_;
    // Every floating-point value of every round, kept for the digest after the last round: read
    // back at once, a freshly stored double stalls the arithmetic.
    double values[kRounds][kFloatsPerRound];
    for (uint32_t r = 0; r < static_cast<uint32_t>(kRounds); ++r) {
        const auto spoil = [&](Value value, auto& number) {
            if constexpr (kFaulty) {
                if (fault_.value == value && static_cast<uint32_t>(fault_.round) == r)
                    Flip(number, fault_.bit);
            }
        };
        a = a * 2654435761u + (counter ^ (r << 24));
        spoil(kIntegerA, a);
        b ^= (a >> 13) | (b << 7);
        spoil(kIntegerB, b);
        const uint32_t divisor = (b & 0xFFFFu) | 1u;
        a += b / divisor + b % divisor;
        double product = x * 1.0000001;
        spoil(kProduct, product);
        double sum = product + static_cast<double>(a & 0xFFFu);
        spoil(kSum, sum);
        x = std::sqrt(sum);
        spoil(kRoot, x);
        double quotient = y / 1.0000003;
        spoil(kQuotient, quotient);
        double ratio = x / (static_cast<double>(b & 0xFFu) + 1.5);
        spoil(kRatio, ratio);
        y = quotient + ratio;
        spoil(kNextY, y);
        double scaled = x * 1024.0;
        spoil(kScaled, scaled);
        // The floating-point chain feeds back into an integer one.
        m = (m << 5 | m >> 27) ^ static_cast<uint32_t>(static_cast<int32_t>(scaled));
        double* const kept = values[r];
        kept[0] = product;
        kept[1] = sum;
        kept[2] = x;
        kept[3] = quotient;
        kept[4] = ratio;
        kept[5] = y;
        kept[6] = scaled;
    }
    uint64_t digest = digest_;
    for (const double* kept : values) {
        digest = Folded(digest, BitsOf(kept[0]) ^ Rotated(kept[1], 4) ^ Rotated(kept[2], 9) ^
                                    Rotated(kept[3], 13) ^ Rotated(kept[4], 18) ^
                                    Rotated(kept[5], 22) ^ Rotated(kept[6], 27));
    }
    a_ = a;
    b_ = b;
    m_ = m;
    x_ = x;
    y_ = y;
    digest_ = digest;
}

CCpuWorkload::Results CCpuWorkload::Current() const {
    Results results;
    results.integer = a_ ^ b_;
    results.mixed = m_;
    std::memcpy(&results.realBits, &y_, sizeof(results.realBits));
    results.digest = digest_;
    return results;
}

CCpuWorkload::Results CCpuWorkload::Run(uint32_t steps) {
    return Run(steps, Fault());
}

CCpuWorkload::Results CCpuWorkload::Run(uint32_t steps, const Fault& fault) {
    CCpuWorkload workload;
    workload.SetFault(fault);
    for (uint32_t counter = 1; counter <= steps; ++counter)
        workload.Step(counter);
    return workload.Current();
}

CCpuWorkload::Results CCpuWorkload::Expected() {
    // Worked out once and checked on x87 (53-bit rounding) and SSE2 builds alike.
    Results results;
    results.integer = 0x98CC7F73u;
    results.mixed = 0xA6544ED3u;
    results.realBits = 0x4147BC7D542FFEF6ull; // 3111162.6577147199
    results.digest = 0xC653566142970B3Bull;
    return results;
}
