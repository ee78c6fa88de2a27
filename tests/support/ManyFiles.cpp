#include "support/ManyFiles.h"

namespace vok::test {

void addManyFiles(FakeDirectoryReader& fs, int count, int spread) {
    for (int i = 0; i < count; ++i)
        fs.addFile(QString("/big/d%1/e%2/f%3.dat")
                       .arg(i % spread)
                       .arg(i / spread % spread)
                       .arg(i / (spread * spread)),
                   1 + i % 977);
}

} // namespace vok::test
