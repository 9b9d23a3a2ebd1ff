#pragma once

#include <cstdint>
#include <initializer_list>

namespace telvo {

// A small deterministic random source (splitmix64). The standard library's
// distributions differ between implementations, so the demo data draws its
// numbers here to come out the same everywhere for the same seed.
class Demo_Random {
public:
    explicit Demo_Random(std::uint64_t seed) : State(seed) {}

    // A source of its own for one combination of keys (seed, device, day, ...),
    // so a day's data does not depend on which other days are generated.
    static Demo_Random For(std::initializer_list<std::uint64_t> keys);

    std::uint64_t Next();
    double Uniform();          // [0, 1)
    int Below(int n);          // 0 .. n-1
    bool Chance(double p);
    double Normal();           // mean 0, deviation 1
    double Exponential(double mean);
    int Poisson(double mean);

private:
    std::uint64_t State;
};

} // namespace telvo
