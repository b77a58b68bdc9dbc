// The store's conformance suite on the in-memory backend.
#include "conformance/StoreConformance.h"

namespace tapstart::conformance {
namespace {

INSTANTIATE_TEST_SUITE_P(Native, StoreConformance, testing::Values(MemoryEnvMaker(100, 100)), EnvName);

}  // namespace
}  // namespace tapstart::conformance
