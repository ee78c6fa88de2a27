#pragma once
#include <QStringList>

namespace vok {
struct Services;
}

namespace vok::bench {

// Activates the file information screen on each file in turn and prints the path, the nine
// values ("Label<TAB>value", the caption without its trailing blank) and the time the activation
// took. The first one of a run includes reading the package database. With shot, saves a
// picture of the screen showing the last file.
int fileInfoScreen(const Services& services, const QStringList& files, const QString& shot = {});

} // namespace vok::bench
