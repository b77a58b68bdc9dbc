// The store's conformance suite on the in-memory backend.
#include <cstdlib>

#include "conformance/StoreConformance.h"

namespace tapstart::conformance {
namespace {

// Random sets per layout in the round trip: 100, or TAPSTART_ROUND_TRIP_SETS (make fuzz asks for 10,000).
int RoundTripSets() {
  const char* asked = std::getenv("TAPSTART_ROUND_TRIP_SETS");
  const int sets = asked != nullptr ? std::atoi(asked) : 0;
  return sets > 0 ? sets : 100;
}

INSTANTIATE_TEST_SUITE_P(Native, StoreConformance, testing::Values(MemoryEnvMaker(RoundTripSets(), RoundTripSets())),
                         EnvName);

}  // namespace
}  // namespace tapstart::conformance
