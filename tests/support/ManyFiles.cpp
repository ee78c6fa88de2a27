#include "support/ManyFiles.h"
#include <QTimer>

namespace vok::test {

void addManyFiles(FakeDirectoryReader& fs, int count, int spread) {
    for (int i = 0; i < count; ++i)
        fs.addFile(QString("/big/d%1/e%2/f%3.dat")
                       .arg(i % spread)
                       .arg(i / spread % spread)
                       .arg(i / (spread * spread)),
                   1 + i % 977);
}

void inputAfterEntries(FakeDirectoryReader& fs, int entries, QObject* context,
                       std::function<void()> input) {
    fs.afterEntry = [reported = 0, entries, context, input = std::move(input)]() mutable {
        if (++reported == entries)
            QTimer::singleShot(0, context, input);
    };
}

} // namespace vok::test
