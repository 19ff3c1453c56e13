// Deterministic test data for the compression tests: incompressible, repetitive and text-like
// byte blocks of any size, the same on every platform for a given seed.
#pragma once

#include <cstdint>
#include <string>

namespace quillon::testing {

// Uniformly random bytes (a fixed generator, so the same on every platform).
std::string RandomBytes(size_t size, uint32_t seed);

// A short random phrase repeated, with an occasional changed byte: long matches everywhere.
std::string RepetitiveBytes(size_t size, uint32_t seed);

// Lines of words and numbers drawn from a small vocabulary: matches of all lengths and
// distances, as in the JSON texts the plugins exchange.
std::string TextLikeBytes(size_t size, uint32_t seed);

// Random bytes in which no 2 consecutive bytes occur twice, so a compressor finds no match in
// them (size at most a few thousand: there are 65536 pairs).
std::string DistinctPairBytes(size_t size, uint32_t seed);

}  // namespace quillon::testing
