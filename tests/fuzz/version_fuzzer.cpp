#include "fuzz/VersionFuzzEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return vok::test::readVersionInput(data, size);
}
