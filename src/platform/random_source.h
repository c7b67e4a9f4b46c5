#pragma once

#include <cstdint>
#include <random>

namespace tsubura {

// The program's one random generator: seeded from the clock at start-up, seedable in tests.
class RandomSource {
public:
    void seed(std::uint32_t value) { engine_.seed(value); }
    // Uniform, 0 <= r < 1.
    double next() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937 engine_{12345u};
};

}  // namespace tsubura
