#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <vector>

namespace vok {

// A mapping of /proc/PID/maps that is backed by a file that still exists.
struct FileMapping {
    quint64 start = 0;
    quint64 end = 0;
    quint64 device = 0; // major << 32 | minor
    quint64 inode = 0;
    QByteArray path;
};

// The file-backed mappings of a maps text, in the text's order. Pseudo entries ([heap],
// anonymous memory) and files marked " (deleted)" are left out; a path keeps its blanks, and the
// kernel's "\012" for a newline in a name becomes the newline again. Lines that do not parse
// are passed over.
std::vector<FileMapping> parseMaps(QByteArrayView text);

// One mapped file of a process: all mappings of the same device and inode taken together.
struct MappedFile {
    quint64 device = 0;
    quint64 inode = 0;
    QByteArray path; // as its first mapping names it
    quint64 low = 0;
    quint64 high = 0;
    quint64 span() const { return high - low; }
};

// The files of a process: the one named exePath first, then in the order of their lowest
// address.
std::vector<MappedFile> mappedFiles(const std::vector<FileMapping>& mappings,
                                    QByteArrayView exePath);

// The name and thread count of a /proc/PID/stat text. The name is whatever lies between the
// first "(" and the last ")", since a name may itself hold ") ".
struct StatFields {
    QByteArray name;
    int threads = 0;
};
std::optional<StatFields> parseStat(QByteArrayView text);

} // namespace vok
