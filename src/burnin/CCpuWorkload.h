#pragma once

#include <cstdint>

// The arithmetic a CPU test run does between two of its progress messages: integer multiplies,
// divides, remainders and shifts beside floating-point multiplies, divides and square roots,
// each step depending on the one before. The same steps from the same start always end in the
// same results, so a run's results are checked against answers known in advance; a processor
// that miscalculates (overheated, overclocked, failing) ends with different ones.
//
// Floating point is done at double precision (in a 32-bit program the x87 unit is switched to
// 53-bit rounding for the life of the object; a 64-bit one computes in SSE2 registers at that
// precision anyway), so results do not depend on how the compiler keeps values.
class CCpuWorkload {
public:
    // Arithmetic rounds per step.
    static constexpr int kRounds = 96;
    // Steps of one whole run: one per loop counter 1..999,999.
    static constexpr uint32_t kRunSteps = 999999;

    struct Results {
        uint32_t integer = 0;  // the integer chain
        uint32_t mixed = 0;    // the integer chain fed by the floating-point one
        uint64_t realBits = 0; // bit pattern of the floating-point chain's double

        bool operator==(const Results& other) const {
            return integer == other.integer && mixed == other.mixed && realBits == other.realBits;
        }
        bool operator!=(const Results& other) const { return !(*this == other); }
    };

    CCpuWorkload();
    ~CCpuWorkload();
    CCpuWorkload(const CCpuWorkload&) = delete;
    CCpuWorkload& operator=(const CCpuWorkload&) = delete;

    // One step for loop counter `counter`.
    void Step(uint32_t counter);
    Results Current() const;

    // The results of steps 1..`steps` from the start.
    static Results Run(uint32_t steps);
    // What a correct processor ends a whole run (kRunSteps steps) with.
    static Results Expected();

private:
#if defined(__i386__) || defined(_M_IX86)
    unsigned int savedControl_ = 0; // the x87 precision before
#endif
    uint32_t a_ = 0x9E3779B9u;
    uint32_t b_ = 0x7F4A7C15u;
    uint32_t m_ = 0x243F6A88u;
    double x_ = 1.0;
    double y_ = 0.5;
};
