#include "platform/linux/ProcFiles.h"
#include <algorithm>
#include <charconv>
#include <map>

namespace vok {

namespace {

bool parseHex(QByteArrayView text, quint64& value) {
    if (text.isEmpty())
        return false;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, 16);
    return ec == std::errc() && ptr == end;
}

bool parseDec(QByteArrayView text, quint64& value) {
    if (text.isEmpty())
        return false;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
    return ec == std::errc() && ptr == end;
}

// Splits off the next blank-separated field from the front of rest.
QByteArrayView nextField(QByteArrayView& rest) {
    qsizetype i = 0;
    while (i < rest.size() && rest[i] == ' ')
        ++i;
    qsizetype j = i;
    while (j < rest.size() && rest[j] != ' ')
        ++j;
    const QByteArrayView field = rest.sliced(i, j - i);
    rest = rest.sliced(j);
    return field;
}

// The numbers and path of one file-backed maps line.
struct MapsLine {
    quint64 start = 0, end = 0, device = 0, inode = 0;
    QByteArrayView path;
};

std::optional<MapsLine> parseMapsLine(QByteArrayView line) {
    QByteArrayView rest = line;
    const QByteArrayView range = nextField(rest);
    nextField(rest); // permissions
    nextField(rest); // offset
    const QByteArrayView dev = nextField(rest);
    const QByteArrayView inode = nextField(rest);
    while (!rest.isEmpty() && rest.front() == ' ')
        rest = rest.sliced(1);
    // Pseudo entries are bracketed and anonymous memory has no name; files are absolute.
    if (!rest.startsWith('/'))
        return std::nullopt;
    static constexpr QByteArrayView deleted(" (deleted)");
    if (rest.endsWith(deleted))
        return std::nullopt;
    MapsLine m;
    const qsizetype dash = range.indexOf('-');
    const qsizetype colon = dev.indexOf(':');
    quint64 major = 0, minor = 0;
    if (dash < 0 || colon < 0 || !parseHex(range.first(dash), m.start) ||
        !parseHex(range.sliced(dash + 1), m.end) || m.end < m.start ||
        !parseHex(dev.first(colon), major) || !parseHex(dev.sliced(colon + 1), minor) ||
        major > 0xFFFFFFFFu || minor > 0xFFFFFFFFu || !parseDec(inode, m.inode) || m.inode == 0)
        return std::nullopt;
    m.device = major << 32 | minor;
    m.path = rest;
    return m;
}

} // namespace

void MappedFileSet::add(QByteArrayView line) {
    const auto m = parseMapsLine(line);
    if (!m)
        return;
    const auto [it, fresh] = index_.try_emplace({m->device, m->inode}, files_.size());
    if (fresh) {
        QByteArray path = m->path.toByteArray();
        path.replace("\\012", "\n");
        files_.push_back({m->device, m->inode, std::move(path), m->start, m->end});
        return;
    }
    MappedFile& f = files_[it->second];
    f.low = std::min(f.low, m->start);
    f.high = std::max(f.high, m->end);
}

std::vector<MappedFile> MappedFileSet::take(QByteArrayView exePath) {
    std::vector<MappedFile> files = std::move(files_);
    files_.clear();
    index_.clear();
    std::stable_sort(files.begin(), files.end(),
                     [](const MappedFile& a, const MappedFile& b) { return a.low < b.low; });
    const auto exe = std::find_if(files.begin(), files.end(),
                                  [&](const MappedFile& f) { return f.path == exePath; });
    if (exe != files.end())
        std::rotate(files.begin(), exe, exe + 1);
    return files;
}

std::vector<MappedFile> mappedFiles(QByteArrayView mapsText, QByteArrayView exePath) {
    MappedFileSet set;
    while (!mapsText.isEmpty()) {
        qsizetype nl = mapsText.indexOf('\n');
        if (nl < 0)
            nl = mapsText.size();
        set.add(mapsText.first(nl));
        mapsText = mapsText.sliced(std::min(nl + 1, mapsText.size()));
    }
    return set.take(exePath);
}

std::optional<pid_t> parsePid(QByteArrayView name) {
    pid_t pid = 0;
    if (name.isEmpty() || name.front() < '1' || name.front() > '9')
        return std::nullopt;
    const char* end = name.data() + name.size();
    const auto [ptr, ec] = std::from_chars(name.data(), end, pid, 10);
    if (ec != std::errc() || ptr != end || pid <= 0)
        return std::nullopt;
    return pid;
}

std::optional<StatFields> parseStat(QByteArrayView text) {
    const qsizetype open = text.indexOf('(');
    const qsizetype close = text.lastIndexOf(')');
    if (open < 0 || close < open)
        return std::nullopt;
    // After the name: state is field 3, the thread count field 20.
    QByteArrayView rest = text.sliced(close + 1);
    QByteArrayView field;
    for (int n = 3; n <= 20; ++n)
        field = nextField(rest);
    while (field.endsWith('\n'))
        field.chop(1);
    quint64 threads = 0;
    if (!parseDec(field, threads) || threads > 0x7FFFFFFF)
        return std::nullopt;
    return StatFields{text.sliced(open + 1, close - open - 1).toByteArray(), int(threads)};
}

} // namespace vok
