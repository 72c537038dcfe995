// The game's random generator: uniform values in [0, 1), reseeded from the
// clock. The reseed mixes the clock into the state rather than replacing it,
// so that reseeding at the same moment twice does not repeat a value.
#pragma once

#include <cstdint>

namespace plat {

class Random {
public:
    explicit Random(uint64_t seed = 0x9E3779B97F4A7C15ull) : state_(seed) {}
    double next();                // [0, 1)
    void reseed(uint64_t clock);  // mix the clock into the state

private:
    uint64_t state_;
};

}  // namespace plat
