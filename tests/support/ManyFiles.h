#pragma once
#include "platform/fake/FakeDirectoryReader.h"
#include <QObject>
#include <functional>

namespace vok::test {

// count files of 1 to 977 bytes spread over spread x spread directories two levels deep,
// /big/d<a>/e<b>/f<c>.dat, so that a walk meets many directories and lets input through often.
void addManyFiles(FakeDirectoryReader& fs, int count, int spread = 5);

// Runs `input` once, as input that the walk lets through, after it has reported `entries`
// entries: a key or click while a walk runs.
void inputAfterEntries(FakeDirectoryReader& fs, int entries, QObject* context,
                       std::function<void()> input);

} // namespace vok::test
