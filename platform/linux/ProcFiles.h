#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <map>
#include <optional>
#include <sys/types.h>
#include <vector>

namespace vok {

// One mapped file of a process: all mappings of the same device and inode taken together.
struct MappedFile {
    quint64 device = 0; // major << 32 | minor
    quint64 inode = 0;
    QByteArray path; // as its first mapping names it
    quint64 low = 0;
    quint64 high = 0;
    quint64 span() const { return high - low; }
};

// The files of a process, gathered from its maps text a line at a time so that a path named by
// many mappings is kept once. Pseudo entries ([heap], anonymous memory) and files marked
// " (deleted)" are left out; a path keeps its blanks, and the kernel's "\012" for a newline in a
// name becomes the newline again. Lines that do not parse are passed over.
class MappedFileSet {
public:
    void add(QByteArrayView line);
    // The file named exePath first, then in the order of their lowest address.
    std::vector<MappedFile> take(QByteArrayView exePath);

private:
    std::vector<MappedFile> files_;
    // Ordered, not hashed: another user's process chooses these keys.
    std::map<std::pair<quint64, quint64>, size_t> index_;
};

// The files of a whole maps text.
std::vector<MappedFile> mappedFiles(QByteArrayView mapsText, QByteArrayView exePath);

// The pid a /proc entry's name stands for: digits only, no leading zero, a positive pid_t.
std::optional<pid_t> parsePid(QByteArrayView name);

// The name and thread count of a /proc/PID/stat text. The name is whatever lies between the
// first "(" and the last ")", since a name may itself hold ") ".
struct StatFields {
    QByteArray name;
    int threads = 0;
};
std::optional<StatFields> parseStat(QByteArrayView text);

} // namespace vok
