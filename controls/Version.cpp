#include "controls/Version.h"
#include "platform/VersionBlock.h"
#include "platform/VersionFiles.h"
#include <QCoreApplication>
#include <array>

namespace vok {

namespace {

// What every field says of a code it has no name for.
QString unknownText() {
    return QCoreApplication::translate("vok::Version", "Unknown");
}

constexpr std::array<quint16, 45> kLanguageCodes = {
    0x0401, 0x0402, 0x0403, 0x0404, 0x0405, 0x0406, 0x0407, 0x0408, 0x0409, 0x040A, 0x040B, 0x040C,
    0x040D, 0x040E, 0x040F, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418,
    0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0804, 0x0807, 0x0809,
    0x080A, 0x080C, 0x0810, 0x0813, 0x0814, 0x0816, 0x081A, 0x0C0C, 0x100C};
constexpr std::array<quint16, 12> kCodePages = {0,    932,  949,  950,  1200, 1250,
                                                1251, 1252, 1253, 1254, 1255, 1256};

QString fixedVersionText(quint32 ms, quint32 ls) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(ms >> 16)
        .arg(ms & 0xFFFF)
        .arg(ls >> 16)
        .arg(ls & 0xFFFF);
}

} // namespace

quint16 LanguageCode(TLanguage language) {
    return kLanguageCodes.at(language);
}
quint16 CodePageCode(TCharacterSet charset) {
    return kCodePages.at(charset);
}

bool languageOfCode(quint16 langId, TLanguage& language) {
    for (size_t i = 0; i < kLanguageCodes.size(); ++i)
        if (kLanguageCodes[i] == langId) {
            language = TLanguage(i);
            return true;
        }
    return false;
}

bool characterSetOfCode(quint16 codePage, TCharacterSet& charset) {
    for (size_t i = 0; i < kCodePages.size(); ++i)
        if (kCodePages[i] == codePage) {
            charset = TCharacterSet(i);
            return true;
        }
    return false;
}

QString fileOSText(quint32 fileOS) {
    switch (fileOS) {
    case 1:
        return QCoreApplication::translate("vok::Version", "Windows 3.0 or later");
    case 2:
        return QCoreApplication::translate("vok::Version", "16 bit OS/2 Presentation Manager");
    case 3:
        return QCoreApplication::translate("vok::Version", "32 bit OS/2 Presentation Manager");
    case 4:
        return QCoreApplication::translate("vok::Version", "32 bit Windows");
    case 65536:
        return QCoreApplication::translate("vok::Version", "MS-Dos");
    case 65537:
        return QCoreApplication::translate("vok::Version", "Windows 3.0 or later with MS-Dos");
    case 65540:
        return QCoreApplication::translate("vok::Version", "32 bit Windows with MS-Dos");
    case 131072:
        return QCoreApplication::translate("vok::Version", "16 bit OS/2");
    case 131074:
        return QCoreApplication::translate("vok::Version", "16 bit OS/2 with Presentation Manager");
    case 196608:
        return QCoreApplication::translate("vok::Version", "32 bit OS/2");
    case 196611:
        return QCoreApplication::translate("vok::Version", "32 bit OS/2 with Presentation Manager");
    case 262144:
        return QCoreApplication::translate("vok::Version", "Windows NT");
    case 262148:
        return QCoreApplication::translate("vok::Version", "Windows NT with 32 bit Windows");
    default:
        return unknownText();
    }
}

QString fileTypeText(quint32 fileType) {
    switch (fileType) {
    case 1:
        return QCoreApplication::translate("vok::Version", "Application");
    case 2:
        return QCoreApplication::translate("vok::Version", "Dynamic-Link Library");
    case 3:
        return QCoreApplication::translate("vok::Version", "Device Driver");
    case 4:
        return QCoreApplication::translate("vok::Version", "Font");
    case 5:
        return QCoreApplication::translate("vok::Version", "Virtual Device Driver");
    case 7:
        return QCoreApplication::translate("vok::Version", "Static-Link Library");
    default:
        return unknownText();
    }
}

QString fileSubTypeText(quint32 fileType, quint32 fileSubtype) {
    // Each with the kind of file it belongs to: "System" or "Display" alone says too little.
    struct Subtype {
        const char* source;
        const char* kind;
    };
    static const Subtype drivers[] = {
        QT_TRANSLATE_NOOP3("vok::Version", "Printer", "device driver"),
        QT_TRANSLATE_NOOP3("vok::Version", "Keyboard", "device driver"),
        QT_TRANSLATE_NOOP3("vok::Version", "Language", "device driver"),
        QT_TRANSLATE_NOOP3("vok::Version", "Display", "device driver"),
        QT_TRANSLATE_NOOP3("vok::Version", "Mouse", "device driver"),
        QT_TRANSLATE_NOOP3("vok::Version", "Network", "device driver"),
        QT_TRANSLATE_NOOP3("vok::Version", "System", "device driver"),
        QT_TRANSLATE_NOOP3("vok::Version", "Installable", "device driver"),
        QT_TRANSLATE_NOOP3("vok::Version", "Sound", "device driver"),
        QT_TRANSLATE_NOOP3("vok::Version", "Communications", "device driver")};
    static const Subtype fonts[] = {QT_TRANSLATE_NOOP3("vok::Version", "Raster", "font"),
                                    QT_TRANSLATE_NOOP3("vok::Version", "Vector", "font"),
                                    QT_TRANSLATE_NOOP3("vok::Version", "TrueType", "font")};
    const auto named = [fileSubtype](const auto& table) {
        return fileSubtype >= 1 && fileSubtype <= std::size(table)
                   ? QCoreApplication::translate("vok::Version", table[fileSubtype - 1].source,
                                                 table[fileSubtype - 1].kind)
                   : unknownText();
    };
    if (fileType == 3)
        return named(drivers);
    if (fileType == 4)
        return named(fonts);
    return {};
}

void FillVersionInfo(TVersionInfo& info, QByteArrayView block, quint16 langId, quint16 codePage) {
    const std::optional<FixedFileInfo> fixed = queryFixedFileInfo(block);
    if (!fixed)
        return;
    info.FileVersion = fixedVersionText(fixed->fileVersionMS, fixed->fileVersionLS);
    info.ProductVersion = fixedVersionText(fixed->productVersionMS, fixed->productVersionLS);
    info.FileOS = fileOSText(fixed->fileOS);
    info.FileType = fileTypeText(fixed->fileType);
    info.FileSubType = fileSubTypeText(fixed->fileType, fixed->fileSubtype);

    const QString prefix = QStringLiteral("\\StringFileInfo\\%1%2\\")
                               .arg(langId, 4, 16, QLatin1Char('0'))
                               .arg(codePage, 4, 16, QLatin1Char('0'))
                               .toUpper();
    const std::pair<const char*, QString TVersionInfo::*> entries[] = {
        {"Comments", &TVersionInfo::Comment},
        {"CompanyName", &TVersionInfo::CompanyName},
        {"FileDescription", &TVersionInfo::FileDescription},
        {"InternalName", &TVersionInfo::InternalName},
        {"LegalCopyright", &TVersionInfo::LegalCopyright},
        {"LegalTradeMarks", &TVersionInfo::LegalTradeMarks},
        {"OriginalFileName", &TVersionInfo::OriginalFileName},
        {"PrivateBuild", &TVersionInfo::PrivateBuild},
        {"ProductName", &TVersionInfo::ProductName},
        {"ProductVersion", &TVersionInfo::ProductVersion},
        {"SpecialBuild", &TVersionInfo::SpecialBuild},
    };
    for (const auto& [name, field] : entries)
        if (std::optional<QString> text = queryVersionString(block, prefix + QLatin1String(name)))
            info.*field = *text;
}

QString runningProgramPath() {
    return QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
}

TVersionResource::TVersionResource(VersionFiles& files, QObject* owner)
    : QObject(owner), files_(files), fileName_(runningProgramPath()) {
    ReadVersionInfo();
}

void TVersionResource::setFileName(const QString& name) {
    fileName_ = name;
    fileNameStored_ = name != runningProgramPath();
    ReadVersionInfo();
    emit OnChange(this);
}

void TVersionResource::setLanguage(TLanguage language) {
    language_ = language;
    ReadVersionInfo();
    emit OnChange(this);
}

void TVersionResource::setCharacterSet(TCharacterSet charset) {
    charset_ = charset;
    ReadVersionInfo();
    emit OnChange(this);
}

void TVersionResource::ReadVersionInfo() {
    ClearVersionInfo();
    const quint32 size = files_.versionInfoSize(fileName_);
    if (size == 0)
        return;
    QByteArray block;
    if (files_.versionInfo(fileName_, size, block))
        FillVersionInfo(info_, block, LanguageCode(language_), CodePageCode(charset_));
}

} // namespace vok
