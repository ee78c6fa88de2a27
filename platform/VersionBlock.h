#pragma once
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace vok {

// VS_FIXEDFILEINFO, the block's "\" value.
struct FixedFileInfo {
    quint32 signature = 0;
    quint32 strucVersion = 0;
    quint32 fileVersionMS = 0;
    quint32 fileVersionLS = 0;
    quint32 productVersionMS = 0;
    quint32 productVersionLS = 0;
    quint32 fileFlagsMask = 0;
    quint32 fileFlags = 0;
    quint32 fileOS = 0;
    quint32 fileType = 0;
    quint32 fileSubtype = 0;
    quint32 fileDateMS = 0;
    quint32 fileDateLS = 0;
};

// Lookups in a VS_VERSIONINFO block as the platform's query answers them: path components
// such as "\StringFileInfo\040904E4\CompanyName" are matched without regard to case, children
// are looked for only inside their parent, and nothing is read outside the block.

// The value bytes at `path` ("\" is the root's value); nothing when the path does not exist.
// A text value ends at its terminator, its stated length or its node's end, the first of them.
std::optional<QByteArrayView> queryVersionValue(QByteArrayView block, QStringView path);

// "\": nothing when absent or too short for the fixed block.
std::optional<FixedFileInfo> queryFixedFileInfo(QByteArrayView block);

// A text entry, UTF-16 in the block; a value length of 0 is an empty text.
std::optional<QString> queryVersionString(QByteArrayView block, QStringView path);

} // namespace vok
