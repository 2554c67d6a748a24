// The search's random numbers: splitmix64 with a bounded draw of our own, because the standard
// distributions differ between libraries and the same seed must give the same plan everywhere.
#pragma once

#include <cstddef>
#include <cstdint>

namespace search {

class SearchRandom {
 public:
  explicit SearchRandom(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // A number in [0, bound) for bound below 2^32, by multiplying the top 32 bits.
  std::size_t below(std::size_t bound) { return std::size_t(((next() >> 32) * std::uint64_t(bound)) >> 32); }

 private:
  std::uint64_t state_;
};

}  // namespace search
