#pragma once
// A small generator whose sequence is fixed by its seed on every platform and
// standard library (the library's distributions are not), so a seed always
// gives the same device.
#include <cmath>
#include <cstdint>

namespace kav::sim {

class SimRandom {
public:
    explicit SimRandom(std::uint64_t seed = 1) : state_(seed) {}

    std::uint64_t next() {
        // splitmix64
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // [0, 1)
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    // Whole number in [lo, hi].
    int range(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1)); }
    bool chance(double p) { return uniform() < p; }
    // Standard normal by Box-Muller.
    double normal() {
        const double u1 = 1.0 - uniform();
        const double u2 = uniform();
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
    }
    double normal(double mean, double sigma) { return mean + sigma * normal(); }

private:
    std::uint64_t state_;
};

} // namespace kav::sim
