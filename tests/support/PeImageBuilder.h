#pragma once
#include "platform/VersionBlock.h"
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace vok::test {

// One node of a version block: header, key, value, children, each 4-aligned.
// valueLength < 0 states the value's true length (characters for texts, bytes otherwise).
QByteArray versionNode(const QString& key, const QByteArray& value, bool text,
                       const QList<QByteArray>& children = {}, int valueLength = -1);
QByteArray utf16z(const QString& text); // UTF-16LE with its terminator

struct StringTable {
    QString key = QStringLiteral("040904E4");
    QList<QPair<QString, QString>> strings;
};

// A fixed block for file version a.b.c.d, with the given OS, type and subtype.
FixedFileInfo fixedInfo(quint16 a, quint16 b, quint16 c, quint16 d, quint32 os = 0x40004,
                        quint32 type = 1, quint32 subtype = 0);
QByteArray fixedInfoBytes(const FixedFileInfo& f);
QByteArray versionBlock(const FixedFileInfo& fixed, const QList<StringTable>& tables = {});

// A small PE image whose only section, ".rsrc", holds the resource directory:
// RT_VERSION / resourceId / one entry per language, each pointing at its block.
struct PeImageBuilder {
    static constexpr int peOffset = 0x80;
    static constexpr int sectionTable = peOffset + 24; // + the optional header
    static constexpr int rsrcFileOffset = 0x400;
    static constexpr int rsrcRva = 0x1000;
    // Inside the section: the three directory levels.
    static constexpr int typeDir = 0, nameDir = 24, langDir = 48;

    bool pe32Plus = false;
    quint32 resourceId = 1;
    QList<QPair<quint16, QByteArray>> versions; // language, block

    QByteArray build() const;
    int optionalHeaderSize() const { return pe32Plus ? 240 : 224; }
    int sectionHeaderAt() const { return sectionTable + optionalHeaderSize(); }
    // File offset of the data entry of the i-th language.
    int dataEntryAt(int i) const;
};

} // namespace vok::test
