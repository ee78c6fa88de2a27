#include "platform/ElfReader.h"
#include "platform/ByteSource.h"
#include <QtEndian>
#include <vector>

namespace vok {

namespace {

constexpr quint32 kPtLoad = 1;
constexpr quint32 kPtDynamic = 2;
constexpr quint32 kPtInterp = 3;
constexpr quint32 kPtNote = 4;
constexpr quint32 kShtNote = 7;
constexpr quint64 kDtNull = 0;
constexpr quint64 kDtNeeded = 1;
constexpr quint64 kDtStrtab = 5;
constexpr quint64 kDtStrsz = 10;
constexpr quint64 kDtSoname = 14;
constexpr quint64 kDtFlags1 = 0x6ffffffb;
constexpr quint64 kDf1Pie = 0x08000000;
constexpr quint32 kNtGnuBuildId = 3;
// Real tables are far smaller; the caps bound the work a hostile file can ask for.
constexpr quint64 kMaxTable = 4u << 20;
constexpr quint64 kMaxNotes = 1u << 20;
constexpr quint64 kMaxName = 4096;

struct Segment {
    quint32 type = 0;
    quint64 offset = 0, vaddr = 0, fileSize = 0, align = 0;
};

struct NoteArea {
    quint64 offset = 0, size = 0, align = 0;
};

class ElfImage {
public:
    explicit ElfImage(ByteSource& file) : file_(file) {}
    std::optional<ElfFacts> read();

private:
    quint16 u16(const char* p) const {
        return big_ ? qFromBigEndian<quint16>(p) : qFromLittleEndian<quint16>(p);
    }
    quint32 u32(const char* p) const {
        return big_ ? qFromBigEndian<quint32>(p) : qFromLittleEndian<quint32>(p);
    }
    quint64 u64(const char* p) const {
        return big_ ? qFromBigEndian<quint64>(p) : qFromLittleEndian<quint64>(p);
    }
    // An address-sized field.
    quint64 word(const char* p) const { return is64_ ? u64(p) : u32(p); }

    // The `count` entries of `entrySize` bytes at `offset`, when all of them are in the file.
    bool readTable(quint64 offset, quint64 count, quint64 entrySize, QByteArray& out);
    bool readSegments(quint64 offset, quint64 count, quint64 entrySize);
    void readNoteSections(quint64 offset, quint64 count, quint64 entrySize);
    void readDynamic(const Segment& dynamic, ElfFacts& facts);
    void readNotes(const NoteArea& area, ElfFacts& facts);
    std::optional<quint64> fileOffsetOf(quint64 vaddr) const;

    ByteSource& file_;
    bool big_ = false;
    bool is64_ = false;
    std::vector<Segment> segments_;
    std::vector<NoteArea> noteSections_;
};

bool ElfImage::readTable(quint64 offset, quint64 count, quint64 entrySize, QByteArray& out) {
    if (count == 0 || entrySize == 0 || count > kMaxTable / entrySize)
        return false;
    const quint64 bytes = count * entrySize;
    if (offset > file_.size() || bytes > file_.size() - offset)
        return false;
    out.resize(qsizetype(bytes));
    return file_.readAt(offset, out.data(), quint32(bytes));
}

bool ElfImage::readSegments(quint64 offset, quint64 count, quint64 entrySize) {
    const quint64 needed = is64_ ? 56 : 32;
    QByteArray table;
    if (entrySize < needed || !readTable(offset, count, entrySize, table))
        return false;
    for (quint64 i = 0; i < count; ++i) {
        const char* p = table.constData() + i * entrySize;
        Segment s;
        s.type = u32(p);
        if (is64_) {
            s.offset = u64(p + 8);
            s.vaddr = u64(p + 16);
            s.fileSize = u64(p + 32);
            s.align = u64(p + 48);
        } else {
            s.offset = u32(p + 4);
            s.vaddr = u32(p + 8);
            s.fileSize = u32(p + 16);
            s.align = u32(p + 28);
        }
        segments_.push_back(s);
    }
    return true;
}

void ElfImage::readNoteSections(quint64 offset, quint64 count, quint64 entrySize) {
    const quint64 needed = is64_ ? 64 : 40;
    QByteArray table;
    if (entrySize < needed || !readTable(offset, count, entrySize, table))
        return;
    for (quint64 i = 0; i < count; ++i) {
        const char* p = table.constData() + i * entrySize;
        if (u32(p + 4) != kShtNote)
            continue;
        if (is64_)
            noteSections_.push_back({u64(p + 24), u64(p + 32), u64(p + 48)});
        else
            noteSections_.push_back({u32(p + 16), u32(p + 20), u32(p + 32)});
    }
}

std::optional<quint64> ElfImage::fileOffsetOf(quint64 vaddr) const {
    for (const Segment& s : segments_)
        if (s.type == kPtLoad && vaddr >= s.vaddr && vaddr - s.vaddr < s.fileSize)
            return s.offset + (vaddr - s.vaddr);
    return {};
}

void ElfImage::readDynamic(const Segment& dynamic, ElfFacts& facts) {
    const quint64 entrySize = is64_ ? 16 : 8;
    const quint64 available = dynamic.offset > file_.size()
                                  ? 0
                                  : std::min(dynamic.fileSize, file_.size() - dynamic.offset);
    QByteArray table;
    if (!readTable(dynamic.offset, std::min(available, kMaxTable) / entrySize, entrySize, table))
        return;
    std::optional<quint64> strtab, soname;
    quint64 strsz = 0;
    for (qsizetype at = 0; at + qsizetype(entrySize) <= table.size(); at += entrySize) {
        const quint64 tag = word(table.constData() + at);
        const quint64 value = word(table.constData() + at + entrySize / 2);
        if (tag == kDtNull)
            break;
        switch (tag) {
        case kDtNeeded:
            ++facts.neededCount;
            break;
        case kDtStrtab:
            strtab = value;
            break;
        case kDtStrsz:
            strsz = value;
            break;
        case kDtSoname:
            soname = value;
            break;
        case kDtFlags1:
            facts.pieFlag = value & kDf1Pie;
            break;
        default:
            break;
        }
    }
    if (!strtab || !soname || *soname >= strsz)
        return;
    const std::optional<quint64> base = fileOffsetOf(*strtab);
    if (!base || *base > file_.size() || *soname > file_.size() - *base)
        return;
    // The name ends at its terminator, which must lie within the table and the file.
    const quint64 at = *base + *soname;
    const quint64 room = std::min({strsz - *soname, file_.size() - at, kMaxName});
    QByteArray name(qsizetype(room), Qt::Uninitialized);
    if (room == 0 || !file_.readAt(at, name.data(), quint32(room)))
        return;
    const qsizetype end = name.indexOf('\0');
    if (end >= 0)
        facts.soname = name.left(end);
}

void ElfImage::readNotes(const NoteArea& area, ElfFacts& facts) {
    if (area.offset > file_.size())
        return;
    const quint64 size = std::min({area.size, file_.size() - area.offset, kMaxNotes});
    QByteArray notes(qsizetype(size), Qt::Uninitialized);
    if (size < 12 || !file_.readAt(area.offset, notes.data(), quint32(size)))
        return;
    // Notes are padded to 4 bytes, or to 8 where their area is aligned to 8.
    const quint64 pad = area.align == 8 ? 8 : 4;
    const auto padded = [pad](quint64 n) { return (n + pad - 1) / pad * pad; };
    quint64 at = 0;
    while (size - at >= 12) {
        const char* p = notes.constData() + at;
        const quint64 nameSize = u32(p), descSize = u32(p + 4);
        const quint32 type = u32(p + 8);
        const quint64 nameAt = at + 12;
        if (padded(nameSize) > size - nameAt)
            return;
        const quint64 descAt = nameAt + padded(nameSize);
        if (descSize > size - descAt)
            return;
        if (type == kNtGnuBuildId && nameSize == 4 &&
            QByteArrayView(notes.constData() + nameAt, 4) == QByteArrayView("GNU\0", 4) &&
            descSize > 0) {
            facts.buildId = notes.mid(qsizetype(descAt), qsizetype(descSize));
            return;
        }
        if (padded(descSize) > size - descAt)
            return;
        at = descAt + padded(descSize);
    }
}

std::optional<ElfFacts> ElfImage::read() {
    char ident[16];
    if (!file_.readAt(0, ident, sizeof ident) || QByteArrayView(ident, 4) != "\x7f"
                                                                             "ELF")
        return {};
    if ((ident[4] != 1 && ident[4] != 2) || (ident[5] != 1 && ident[5] != 2))
        return {};
    is64_ = ident[4] == 2;
    big_ = ident[5] == 2;
    char header[64];
    const quint32 headerSize = is64_ ? 64 : 52;
    if (!file_.readAt(0, header, headerSize))
        return {};
    ElfFacts facts;
    facts.is64 = is64_;
    facts.bigEndian = big_;
    facts.osAbi = quint8(ident[7]);
    facts.type = u16(header + 16);
    facts.machine = u16(header + 18);
    const char* rest = header + (is64_ ? 32 : 28); // past e_entry
    const quint64 phoff = word(rest);
    const quint64 shoff = word(rest + (is64_ ? 8 : 4));
    const char* sizes = rest + (is64_ ? 22 : 14); // past e_flags and e_ehsize
    const quint16 phentsize = u16(sizes), phnum = u16(sizes + 2);
    const quint16 shentsize = u16(sizes + 4), shnum = u16(sizes + 6);

    bool dynamicRead = false;
    if (phoff != 0 && readSegments(phoff, phnum, phentsize)) {
        for (const Segment& s : segments_) {
            if (s.type == kPtInterp)
                facts.hasInterpreter = true;
            else if (s.type == kPtDynamic && !dynamicRead) {
                readDynamic(s, facts);
                dynamicRead = true;
            }
        }
        for (const Segment& s : segments_)
            if (s.type == kPtNote && facts.buildId.isEmpty())
                readNotes({s.offset, s.fileSize, s.align}, facts);
    }
    // Objects and stripped-down files carry their notes in sections only.
    if (facts.buildId.isEmpty() && shoff != 0) {
        readNoteSections(shoff, shnum, shentsize);
        for (const NoteArea& n : noteSections_)
            if (facts.buildId.isEmpty())
                readNotes(n, facts);
    }
    return facts;
}

} // namespace

std::optional<ElfFacts> readElfFacts(ByteSource& file) {
    return ElfImage(file).read();
}

} // namespace vok
