// Imports every input as a 3D Studio file from memory and checks the store afterwards.

#include <cstddef>
#include <cstdint>

#include "files/import_3ds.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quarn::fuzzing::PrepareStore();
    quarn::Import3dsFromBytes({data, size}, "fuzz.3ds");
    quarn::fuzzing::AbortIfStoreInconsistent();
    return 0;
}
