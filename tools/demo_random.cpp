#include "demo_random.h"

#include <cmath>
#include <numbers>

namespace telvo {

Demo_Random Demo_Random::For(std::initializer_list<std::uint64_t> keys)
{
    Demo_Random mixer(0x7E1F0u);
    for (const std::uint64_t key : keys)
        mixer.State ^= key + mixer.Next();
    return Demo_Random(mixer.Next());
}

std::uint64_t Demo_Random::Next()
{
    std::uint64_t z = (State += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

double Demo_Random::Uniform()
{
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

int Demo_Random::Below(int n)
{
    return static_cast<int>(Next() % static_cast<std::uint64_t>(n));
}

bool Demo_Random::Chance(double p)
{
    return Uniform() < p;
}

double Demo_Random::Normal()
{
    // Box-Muller; 1 - Uniform() is never 0, so the logarithm stays finite.
    const double radius = std::sqrt(-2.0 * std::log(1.0 - Uniform()));
    return radius * std::cos(2.0 * std::numbers::pi * Uniform());
}

double Demo_Random::Exponential(double mean)
{
    return -mean * std::log(1.0 - Uniform());
}

int Demo_Random::Poisson(double mean)
{
    if (mean <= 0.0)
        return 0;
    if (mean > 30.0) {
        // The normal approximation is close enough for counts this large.
        const double draw = std::round(mean + std::sqrt(mean) * Normal());
        return draw > 0.0 ? static_cast<int>(draw) : 0;
    }
    const double limit = std::exp(-mean);
    int count = 0;
    for (double product = Uniform(); product > limit; product *= Uniform())
        ++count;
    return count;
}

} // namespace telvo
