#include "platform/linux/ProcFiles.h"
#include <algorithm>
#include <charconv>
#include <unordered_map>

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

std::optional<FileMapping> parseMapsLine(QByteArrayView line) {
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
    FileMapping m;
    const qsizetype dash = range.indexOf('-');
    const qsizetype colon = dev.indexOf(':');
    quint64 major = 0, minor = 0;
    if (dash < 0 || colon < 0 || !parseHex(range.first(dash), m.start) ||
        !parseHex(range.sliced(dash + 1), m.end) || m.end < m.start ||
        !parseHex(dev.first(colon), major) || !parseHex(dev.sliced(colon + 1), minor) ||
        major > 0xFFFFFFFFu || minor > 0xFFFFFFFFu || !parseDec(inode, m.inode) || m.inode == 0)
        return std::nullopt;
    m.device = major << 32 | minor;
    m.path = rest.toByteArray();
    m.path.replace("\\012", "\n");
    return m;
}

struct FileKey {
    quint64 device, inode;
    bool operator==(const FileKey&) const = default;
};
struct FileKeyHash {
    size_t operator()(const FileKey& k) const noexcept {
        return std::hash<quint64>()(k.device * 0x9E3779B97F4A7C15ull ^ k.inode);
    }
};

} // namespace

std::vector<FileMapping> parseMaps(QByteArrayView text) {
    std::vector<FileMapping> out;
    while (!text.isEmpty()) {
        qsizetype nl = text.indexOf('\n');
        if (nl < 0)
            nl = text.size();
        if (auto m = parseMapsLine(text.first(nl)))
            out.push_back(std::move(*m));
        text = text.sliced(std::min(nl + 1, text.size()));
    }
    return out;
}

std::vector<MappedFile> mappedFiles(const std::vector<FileMapping>& mappings,
                                    QByteArrayView exePath) {
    std::vector<MappedFile> files;
    std::unordered_map<FileKey, size_t, FileKeyHash> index;
    for (const FileMapping& m : mappings) {
        const auto [it, fresh] = index.try_emplace(FileKey{m.device, m.inode}, files.size());
        if (fresh) {
            files.push_back({m.device, m.inode, m.path, m.start, m.end});
            continue;
        }
        MappedFile& f = files[it->second];
        f.low = std::min(f.low, m.start);
        f.high = std::max(f.high, m.end);
    }
    std::stable_sort(files.begin(), files.end(),
                     [](const MappedFile& a, const MappedFile& b) { return a.low < b.low; });
    const auto exe = std::find_if(files.begin(), files.end(),
                                  [&](const MappedFile& f) { return f.path == exePath; });
    if (exe != files.end())
        std::rotate(files.begin(), exe, exe + 1);
    return files;
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
