#include "platform/VersionBlock.h"
#include <QList>
#include <QtEndian>

namespace vok {

namespace {

constexpr qsizetype kHeader = 6; // wLength, wValueLength, wType
constexpr qsizetype kFixedSize = 13 * 4;

qsizetype align4(qsizetype at) {
    return (at + 3) & ~qsizetype(3);
}

struct Node {
    qsizetype start = 0;
    qsizetype end = 0;        // the node's length, clipped to its parent
    qsizetype keyEnd = 0;     // past the key's terminator, or the node's end without one
    qsizetype valueStart = 0; // from the block's start, 4-aligned
    qsizetype valueEnd = 0;
    qsizetype childrenStart = 0;
    bool text = false;
    bool keyEnded = false; // the key has its terminator
};

class BlockReader {
public:
    explicit BlockReader(QByteArrayView block) : b_(block) {}

    quint16 u16(qsizetype at) const { return qFromLittleEndian<quint16>(b_.data() + at); }

    // The node at `at` inside [at, parentEnd); nothing when not even its header fits.
    std::optional<Node> node(qsizetype at, qsizetype parentEnd) const {
        if (at + kHeader > parentEnd)
            return {};
        Node n;
        n.start = at;
        const quint16 length = u16(at);
        if (length < kHeader)
            return {};
        n.end = qMin(at + qsizetype(length), parentEnd);
        const quint16 valueLength = u16(at + 2);
        n.text = u16(at + 4) == 1;
        qsizetype k = at + kHeader;
        while (k + 2 <= n.end && u16(k) != 0)
            k += 2;
        if (k + 2 > n.end) { // no terminator: no value, no children
            n.keyEnd = n.valueStart = n.valueEnd = n.childrenStart = n.end;
            return n;
        }
        n.keyEnd = k + 2;
        n.keyEnded = true;
        n.valueStart = qMin(align4(n.keyEnd), n.end);
        // Text lengths count characters, binary ones bytes.
        const qsizetype stated = n.text ? 2 * qsizetype(valueLength) : valueLength;
        n.valueEnd = qMin(n.valueStart + stated, n.end);
        n.childrenStart = qMin(align4(n.valueStart + stated), n.end);
        return n;
    }

    bool keyIs(const Node& n, QStringView name) const {
        const qsizetype chars = (n.keyEnd - n.start - kHeader) / 2 - 1;
        if (!n.keyEnded || chars != name.size())
            return false;
        for (qsizetype i = 0; i < chars; ++i)
            if (QChar(u16(n.start + kHeader + 2 * i)).toCaseFolded() != name[i].toCaseFolded())
                return false;
        return true;
    }

    std::optional<Node> child(const Node& parent, QStringView name) const {
        qsizetype at = parent.childrenStart;
        // Every step moves on by at least a header, so the walk ends.
        while (std::optional<Node> n = node(at, parent.end)) {
            if (keyIs(*n, name))
                return n;
            at = align4(n->start + u16(n->start));
        }
        return {};
    }

private:
    QByteArrayView b_;
};

std::optional<Node> findNode(QByteArrayView block, QStringView path) {
    const BlockReader reader(block);
    std::optional<Node> n = reader.node(0, block.size());
    for (QStringView part : path.split(u'\\', Qt::SkipEmptyParts)) {
        if (!n)
            break;
        n = reader.child(*n, part);
    }
    return n;
}

} // namespace

std::optional<QByteArrayView> queryVersionValue(QByteArrayView block, QStringView path) {
    const std::optional<Node> n = findNode(block, path);
    if (!n)
        return {};
    qsizetype end = n->valueEnd;
    if (n->text) {
        const BlockReader reader(block);
        end = n->valueStart;
        while (end + 2 <= n->valueEnd && reader.u16(end) != 0)
            end += 2;
    }
    return block.sliced(n->valueStart, end - n->valueStart);
}

std::optional<FixedFileInfo> queryFixedFileInfo(QByteArrayView block) {
    const std::optional<QByteArrayView> v = queryVersionValue(block, u"\\");
    if (!v || v->size() < kFixedSize)
        return {};
    quint32 f[13];
    for (int i = 0; i < 13; ++i)
        f[i] = qFromLittleEndian<quint32>(v->data() + 4 * i);
    return FixedFileInfo{f[0], f[1], f[2], f[3],  f[4],  f[5], f[6],
                         f[7], f[8], f[9], f[10], f[11], f[12]};
}

std::optional<QString> queryVersionString(QByteArrayView block, QStringView path) {
    const std::optional<QByteArrayView> v = queryVersionValue(block, path);
    if (!v)
        return {};
    QString text;
    text.reserve(v->size() / 2);
    for (qsizetype i = 0; i + 2 <= v->size(); i += 2) {
        const char16_t c = qFromLittleEndian<quint16>(v->data() + i);
        if (c == 0)
            break;
        text.append(QChar(c));
    }
    return text;
}

} // namespace vok
