#pragma once
// Seed control of the generator library, for the test suite and for torval-cli's --seed. Not
// part of the C interface: the program itself never calls these; it relies on the seeding done
// at the first monteCarlo call of a process (TORVAL_SEED when set, else the system's entropy).
// They are exported from the shared library because the engine they steer lives inside it.

#include <cstdint>

#if defined(_WIN32)
#if defined(STOGEN_BUILDING_LIBRARY)
#define STOGEN_INTERNAL_API __declspec(dllexport)
#else
#define STOGEN_INTERNAL_API __declspec(dllimport)
#endif
#else
#define STOGEN_INTERNAL_API __attribute__((visibility("default")))
#endif

namespace torval::stogen::internal {

// Restarts the engine on `seed`: the following calls deliver exactly the series a process
// started with TORVAL_SEED=seed would deliver.
STOGEN_INTERNAL_API void reseed(std::uint64_t seed);

// Forgets the engine, so that the next monteCarlo call seeds it again as the first call of a
// process does (reading TORVAL_SEED anew).
STOGEN_INTERNAL_API void forgetSeed();

} // namespace torval::stogen::internal
