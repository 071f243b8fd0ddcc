#include "burnin/CCpuWorkload.h"

#include <cmath>
#include <cstring>
#include <float.h>

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
    uint32_t a = a_, b = b_, m = m_;
    double x = x_, y = y_;
    for (uint32_t r = 0; r < static_cast<uint32_t>(kRounds); ++r) {
        a = a * 2654435761u + (counter ^ (r << 24));
        b ^= (a >> 13) | (b << 7);
        const uint32_t divisor = (b & 0xFFFFu) | 1u;
        a += b / divisor + b % divisor;
        x = std::sqrt(x * 1.0000001 + static_cast<double>(a & 0xFFFu));
        y = y / 1.0000003 + x / (static_cast<double>(b & 0xFFu) + 1.5);
        // The floating-point chain feeds back into an integer one: a wrong square root or
        // quotient shows in both.
        m = (m << 5 | m >> 27) ^ static_cast<uint32_t>(static_cast<int32_t>(x * 1024.0));
    }
    a_ = a;
    b_ = b;
    m_ = m;
    x_ = x;
    y_ = y;
}

CCpuWorkload::Results CCpuWorkload::Current() const {
    Results results;
    results.integer = a_ ^ b_;
    results.mixed = m_;
    std::memcpy(&results.realBits, &y_, sizeof(results.realBits));
    return results;
}

CCpuWorkload::Results CCpuWorkload::Run(uint32_t steps) {
    CCpuWorkload workload;
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
    return results;
}
