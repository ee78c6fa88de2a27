#include "platform/PeVersionReader.h"
#include "platform/ByteSource.h"
#include <QtEndian>
#include <algorithm>
#include <optional>
#include <vector>

namespace vok {

namespace {

constexpr quint32 kRtVersion = 16;
constexpr quint32 kVersionId = 1;
constexpr quint32 kHighBit = 0x80000000u;
// A version block states its length in 16 bits.
constexpr quint32 kMaxBlock = 0xFFFF;
constexpr int kSectionHeaderSize = 40;

quint16 u16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}
quint32 u32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}

struct Section {
    quint32 va = 0;
    quint64 rawSize = 0; // clipped to the file
    quint64 rawPtr = 0;
};

struct DirEntry {
    quint32 name = 0;
    quint32 data = 0;
    bool hasId() const { return !(name & kHighBit); }
    bool isDirectory() const { return data & kHighBit; }
    quint32 target() const { return data & ~kHighBit; }
};

class PeImage {
public:
    explicit PeImage(ByteSource& file) : file_(file) {}

    // The resource directory's RVA, or nothing when the file is no PE image or has none.
    std::optional<quint32> resourceRva();
    // Reads `len` bytes at `rva` when they lie within one section's data in the file.
    bool readRva(quint64 rva, char* out, quint32 len);
    // How many bytes of section data follow `rva` in the file.
    quint64 bytesAfter(quint64 rva) const;
    // How many bytes of the file follow `rva`, its section's data and whatever lies after it.
    quint64 fileBytesAfter(quint64 rva) const;
    std::optional<std::vector<DirEntry>> directory(quint64 rva);

private:
    const Section* sectionOf(quint64 rva) const;
    ByteSource& file_;
    std::vector<Section> sections_;
};

std::optional<quint32> PeImage::resourceRva() {
    char dos[64];
    if (!file_.readAt(0, dos, sizeof dos) || dos[0] != 'M' || dos[1] != 'Z')
        return {};
    const quint64 pe = u32(dos + 0x3C);
    char coff[24];
    if (!file_.readAt(pe, coff, sizeof coff) ||
        QByteArrayView(coff, 4) != QByteArrayView("PE\0\0", 4))
        return {};
    const quint32 sectionCount = u16(coff + 6);
    const quint32 optionalSize = u16(coff + 20);
    QByteArray optional(optionalSize, Qt::Uninitialized);
    if (optionalSize < 2 || !file_.readAt(pe + 24, optional.data(), optionalSize))
        return {};
    quint32 countAt = 0;
    switch (u16(optional.constData())) {
    case 0x10B: // PE32
        countAt = 92;
        break;
    case 0x20B: // PE32+
        countAt = 108;
        break;
    default:
        return {};
    }
    const quint32 resourceEntryAt = countAt + 4 + 2 * 8;
    if (optionalSize < countAt + 4 || u32(optional.constData() + countAt) < 3 ||
        optionalSize < resourceEntryAt + 8)
        return {};
    const quint32 rva = u32(optional.constData() + resourceEntryAt);
    if (rva == 0)
        return {};

    const quint64 fileSize = file_.size();
    const quint64 tableAt = pe + 24 + optionalSize;
    const quint64 tableSize = quint64(sectionCount) * kSectionHeaderSize;
    if (tableAt > fileSize || tableSize > fileSize - tableAt)
        return {};
    QByteArray table(qsizetype(tableSize), Qt::Uninitialized);
    if (!file_.readAt(tableAt, table.data(), quint32(tableSize)))
        return {};
    sections_.reserve(sectionCount);
    for (quint32 i = 0; i < sectionCount; ++i) {
        const char* h = table.constData() + i * kSectionHeaderSize;
        Section s;
        s.va = u32(h + 12);
        s.rawPtr = u32(h + 20);
        s.rawSize = s.rawPtr < fileSize ? qMin<quint64>(u32(h + 16), fileSize - s.rawPtr) : 0;
        sections_.push_back(s);
    }
    return rva;
}

const Section* PeImage::sectionOf(quint64 rva) const {
    for (const Section& s : sections_)
        if (rva >= s.va && rva - s.va < s.rawSize)
            return &s;
    return nullptr;
}

quint64 PeImage::bytesAfter(quint64 rva) const {
    const Section* s = sectionOf(rva);
    return s ? s->rawSize - (rva - s->va) : 0;
}

quint64 PeImage::fileBytesAfter(quint64 rva) const {
    const Section* s = sectionOf(rva);
    return s ? file_.size() - (s->rawPtr + (rva - s->va)) : 0;
}

bool PeImage::readRva(quint64 rva, char* out, quint32 len) {
    const Section* s = sectionOf(rva);
    if (!s || len > s->rawSize - (rva - s->va))
        return false;
    return file_.readAt(s->rawPtr + (rva - s->va), out, len);
}

std::optional<std::vector<DirEntry>> PeImage::directory(quint64 rva) {
    char head[16];
    if (!readRva(rva, head, sizeof head))
        return {};
    const quint32 count = quint32(u16(head + 12)) + u16(head + 14);
    // The entries must lie in the section before anything is allocated for them.
    if (quint64(count) * 8 > bytesAfter(rva + 16))
        return {};
    QByteArray raw(qsizetype(count) * 8, Qt::Uninitialized);
    if (!readRva(rva + 16, raw.data(), count * 8))
        return {};
    std::vector<DirEntry> entries(count);
    for (quint32 i = 0; i < count; ++i)
        entries[i] = {u32(raw.constData() + i * 8), u32(raw.constData() + i * 8 + 4)};
    return entries;
}

// The subdirectory listed under `id`. The walk goes down three fixed levels and never
// follows a path twice, so a directory pointing at itself or its parent cannot loop.
std::optional<quint32> subdirectoryWithId(const std::vector<DirEntry>& entries, quint32 id) {
    for (const DirEntry& e : entries)
        if (e.hasId() && e.name == id)
            return e.isDirectory() ? std::optional<quint32>(e.target()) : std::nullopt;
    return {};
}

const DirEntry* preferredLanguage(const std::vector<DirEntry>& entries) {
    for (quint32 lang : {0x0000u, 0x0409u, 0x0009u})
        for (const DirEntry& e : entries)
            if (e.hasId() && e.name == lang)
                return &e;
    return entries.empty() ? nullptr : &entries.front();
}

bool isVersionKey(const QByteArray& block) {
    static const char16_t key[] = u"VS_VERSION_INFO";
    constexpr int keyChars = 15;
    if (block.size() < 6 + (keyChars + 1) * 2)
        return false;
    for (int i = 0; i <= keyChars; ++i) {
        const char16_t c = u16(block.constData() + 6 + 2 * i);
        const char16_t want = i < keyChars ? key[i] : 0;
        if (QChar(c).toUpper() != QChar(want))
            return false;
    }
    return true;
}

} // namespace

QByteArray readPeVersionBlock(ByteSource& file) {
    PeImage image(file);
    const std::optional<quint32> root = image.resourceRva();
    if (!root)
        return {};
    auto types = image.directory(*root);
    if (!types)
        return {};
    const auto names = subdirectoryWithId(*types, kRtVersion);
    if (!names)
        return {};
    auto ids = image.directory(quint64(*root) + *names);
    if (!ids)
        return {};
    const auto languages = subdirectoryWithId(*ids, kVersionId);
    if (!languages)
        return {};
    auto langs = image.directory(quint64(*root) + *languages);
    if (!langs)
        return {};
    const DirEntry* chosen = preferredLanguage(*langs);
    if (!chosen || chosen->isDirectory())
        return {};

    char dataEntry[16];
    if (!image.readRva(quint64(*root) + chosen->target(), dataEntry, sizeof dataEntry))
        return {};
    const quint32 dataRva = u32(dataEntry);
    const quint32 dataSize = u32(dataEntry + 4);
    // Data that runs past the end of the file is no resource at all, as the platform's loader
    // sees it; within the file, the data entry's size, the section and the block's own length
    // may disagree, and the smallest wins.
    if (dataSize > image.fileBytesAfter(dataRva))
        return {};
    const quint32 len =
        quint32(std::min<quint64>({dataSize, image.bytesAfter(dataRva), kMaxBlock}));
    QByteArray block(qsizetype(len), Qt::Uninitialized);
    if (len < 6 || !image.readRva(dataRva, block.data(), len))
        return {};
    block.truncate(qMin<qsizetype>(u16(block.constData()), block.size()));
    return isVersionKey(block) ? block : QByteArray();
}

} // namespace vok
