#include "random.h"

namespace plat {

namespace {
uint64_t mix64(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
}  // namespace

double Random::next() {
    state_ += 0x9E3779B97F4A7C15ull;
    return double(mix64(state_) >> 11) * 0x1.0p-53;
}

void Random::reseed(uint64_t clock) { state_ = mix64(state_ ^ mix64(clock + 0x632BE59BD9B4E019ull)); }

}  // namespace plat
