// The store's conformance suite on the real registry and profile file, and on the in-memory backend again:
// the same cases pass on both, so the in-memory backend behaves as the system does.
#include "RegistryEnv_win32.h"

namespace tapstart::conformance {
namespace {

INSTANTIATE_TEST_SUITE_P(Wine, StoreConformance, testing::Values(RegistryEnvMaker(40, 20), MemoryEnvMaker(40, 20)),
                         EnvName);

}  // namespace
}  // namespace tapstart::conformance
