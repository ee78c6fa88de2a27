#pragma once
#include "platform/fake/FakeDirectoryReader.h"

namespace vok::test {

// count files of 1 to 977 bytes spread over spread x spread directories two levels deep,
// /big/d<a>/e<b>/f<c>.dat, so that a walk meets many directories and lets input through often.
void addManyFiles(FakeDirectoryReader& fs, int count, int spread = 5);

} // namespace vok::test
