#pragma once

#include <cstdint>

// The arithmetic a CPU test run does between two of its progress messages: integer multiplies,
// divides, remainders and shifts beside floating-point multiplies, divides and square roots,
// each step depending on the one before. The same steps from the same start always end in the
// same results, so a run's results are checked against answers known in advance; a processor
// that miscalculates (overheated, overclocked, failing) ends with different ones.
//
// The square root pulls a wrong value back towards the right one within a few rounds, and the
// floating-point chain forgets its past, so its final values alone would hide most errors. The
// exact bit pattern of every floating-point value each round computes is therefore folded into
// a 64-bit digest by an invertible mix: a single wrong bit anywhere changes the digest for good.
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
        uint64_t digest = 0;   // every floating-point value of every round, folded

        bool operator==(const Results& other) const {
            return integer == other.integer && mixed == other.mixed && realBits == other.realBits &&
                   digest == other.digest;
        }
        bool operator!=(const Results& other) const { return !(*this == other); }
    };

    // The values one round computes, in order; a fault flips a bit of one of them.
    enum Value {
        kIntegerA, // a, after its multiply and add
        kIntegerB, // b, after its shift and exclusive or
        kProduct,  // x * 1.0000001
        kSum,      // that plus the low bits of a
        kRoot,     // its square root, the new x
        kQuotient, // y / 1.0000003
        kRatio,    // x divided by the low bits of b plus 1.5
        kNextY,    // the sum of those two, the new y
        kScaled,   // x * 1024, which feeds the mixed chain
        kValueCount
    };
    // A miscalculation to imitate: bit `bit` of `value` flipped in round `round` of the step for
    // loop counter `counter`.
    struct Fault {
        uint32_t counter = 0; // 0: none
        int round = 0;
        Value value = kIntegerA;
        int bit = 0;
    };

    CCpuWorkload();
    ~CCpuWorkload();
    CCpuWorkload(const CCpuWorkload&) = delete;
    CCpuWorkload& operator=(const CCpuWorkload&) = delete;

    // One step for loop counter `counter`.
    void Step(uint32_t counter);
    Results Current() const;

    // Test use only: the miscalculation this workload imitates.
    void SetFault(const Fault& fault) { fault_ = fault; }

    // The results of steps 1..`steps` from the start, without and with a fault.
    static Results Run(uint32_t steps);
    static Results Run(uint32_t steps, const Fault& fault);
    // What a correct processor ends a whole run (kRunSteps steps) with.
    static Results Expected();

private:
    static constexpr int kFloatsPerRound = 7; // kProduct..kScaled
    template <bool kFaulty> void Rounds(uint32_t counter);

#if defined(__i386__) || defined(_M_IX86)
    unsigned int savedControl_ = 0; // the x87 precision before
#endif
    uint32_t a_ = 0x9E3779B9u;
    uint32_t b_ = 0x7F4A7C15u;
    uint32_t m_ = 0x243F6A88u;
    double x_ = 1.0;
    double y_ = 0.5;
    uint64_t digest_ = 0x6A09E667F3BCC908ull;
    Fault fault_;
};
