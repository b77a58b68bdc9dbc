// The real registry and the real profile file in the Windows directory as a conformance environment.
#pragma once

#include "conformance/StoreConformance.h"

namespace tapstart::conformance {

// Clears the product's keys and the profile file before and after each test.
StoreEnvMaker RegistryEnvMaker(int registrySets, int iniSets);

}  // namespace tapstart::conformance
