#pragma once
#include <QByteArrayView>
#include <QObject>
#include <QString>

namespace vok {

class VersionFiles;

// LANGIDs of the string tables a reader can be set to.
enum TLanguage : quint8 {
    lnArabic,
    lnBulgarian,
    lnCatalan,
    lnTraditionalChinese,
    lnCzech,
    lnDanish,
    lnGerman,
    lnGreek,
    lnUSEnglish,
    lnCastilianSpanish,
    lnFinnish,
    lnFrench,
    lnHebrew,
    lnHungarian,
    lnIcelandic,
    lnItalian,
    lnJapanese,
    lnKorean,
    lnDutch,
    lnNorwegianBokmal,
    lnPolish,
    lnBrazilianPortuguese,
    lnRhaetoRomanic,
    lnRomanian,
    lnRussian,
    lnCroatoSerbian,
    lnSlovak,
    lnAlbanian,
    lnSwedish,
    lnThai,
    lnTurkish,
    lnUrdu,
    lnBahasa,
    lnSimplifiedChinese,
    lnSwissGerman,
    lnUKEnglish,
    lnMexicanSpanish,
    lnBelgianFrench,
    lnSwissItalian,
    lnBelgianDutch,
    lnNorwegianNynorsk,
    lnPortuguese,
    lnSerboCroatian,
    lnCanadianFrench,
    lnSwissFrench
};
// Code pages of the string tables.
enum TCharacterSet : quint8 {
    csASCII,
    csJapan,
    csKorea,
    csTaiwan,
    csUnicode,
    csLatin2,
    csCyrillic,
    csMultilingual,
    csGreek,
    csTurkish,
    csHebrew,
    csArabic
};

quint16 LanguageCode(TLanguage language);
quint16 CodePageCode(TCharacterSet charset);
// The value standing for a LANGID or code page, if any.
bool languageOfCode(quint16 langId, TLanguage& language);
bool characterSetOfCode(quint16 codePage, TCharacterSet& charset);

QString fileOSText(quint32 fileOS);
QString fileTypeText(quint32 fileType);
QString fileSubTypeText(quint32 fileType, quint32 fileSubtype);

// What a version resource says, as texts.
struct TVersionInfo {
    Q_GADGET
    Q_PROPERTY(QString Comment MEMBER Comment)
    Q_PROPERTY(QString CompanyName MEMBER CompanyName)
    Q_PROPERTY(QString FileDescription MEMBER FileDescription)
    Q_PROPERTY(QString FileVersion MEMBER FileVersion)
    Q_PROPERTY(QString InternalName MEMBER InternalName)
    Q_PROPERTY(QString LegalCopyright MEMBER LegalCopyright)
    Q_PROPERTY(QString LegalTradeMarks MEMBER LegalTradeMarks)
    Q_PROPERTY(QString OriginalFileName MEMBER OriginalFileName)
    Q_PROPERTY(QString PrivateBuild MEMBER PrivateBuild)
    Q_PROPERTY(QString ProductName MEMBER ProductName)
    Q_PROPERTY(QString ProductVersion MEMBER ProductVersion)
    Q_PROPERTY(QString SpecialBuild MEMBER SpecialBuild)
    Q_PROPERTY(QString FileOS MEMBER FileOS)
    Q_PROPERTY(QString FileType MEMBER FileType)
    Q_PROPERTY(QString FileSubType MEMBER FileSubType)
public:
    QString Comment, CompanyName, FileDescription, FileVersion, InternalName, LegalCopyright,
        LegalTradeMarks, OriginalFileName, PrivateBuild, ProductName, ProductVersion, SpecialBuild,
        FileOS, FileType, FileSubType;
};

// Fills `info` from a version block, the string table looked up under langId and codePage only.
// `info` is expected empty; what the block lacks stays as it is.
void FillVersionInfo(TVersionInfo& info, QByteArrayView block, quint16 langId, quint16 codePage);

// Reads the version resource of a file, by default the running program, for one language and
// code page, again at every assignment of the file name, the language or the character set.
class TVersionResource : public QObject {
    Q_OBJECT
public:
    explicit TVersionResource(VersionFiles& files, QObject* owner = nullptr);

    QString FileName() const { return fileName_; }
    void setFileName(const QString& name);
    // Whether the file name differs from the running program's path.
    bool FileNameStored() const { return fileNameStored_; }
    TLanguage Language() const { return language_; }
    void setLanguage(TLanguage language);
    TCharacterSet CharacterSet() const { return charset_; }
    void setCharacterSet(TCharacterSet charset);
    const TVersionInfo& VersionInfo() const { return info_; }

signals:
    // After each reread caused by an assignment.
    void OnChange(vok::TVersionResource* sender);

private:
    void ReadVersionInfo();
    void ClearVersionInfo() { info_ = {}; }

    VersionFiles& files_;
    QString fileName_;
    bool fileNameStored_ = false;
    TLanguage language_ = lnUSEnglish;
    TCharacterSet charset_ = csMultilingual;
    TVersionInfo info_;
};

// The running program's full path.
QString runningProgramPath();

} // namespace vok
