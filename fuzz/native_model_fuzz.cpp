// Loads every input as a native model file from memory and checks the store afterwards.

#include <cstddef>
#include <cstdint>

#include "files/native_model.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quarn::fuzzing::PrepareStore();
    quarn::LoadModelFromBytes({data, size}, "fuzz.qrn");
    quarn::fuzzing::AbortIfStoreInconsistent();
    return 0;
}
