#include "diskscreens/DirSpaceCaptions.h"
#include "controls/Rounding.h"
#include <QCoreApplication>

namespace vok {

namespace {

struct CaptionTexts {
    const char* listed; // after a listing, with the count of files as %2
    const char* chosen; // just after a unit was chosen
};

} // namespace

QString dirSpaceCaption(const ScanState& scan, SpaceUnit unit, bool afterListing) {
    const double total = double(scan.ScanByteTotal);
    qint64 figure = scan.ScanByteTotal; // exact 64-bit sums: bytes need no rounding
    CaptionTexts texts{};
    switch (unit) {
    case SpaceUnit::Kb:
        figure = roundHalfEven(total / 1024);
        //: Kb = kilobytes; %1 is the size, %2 the number of files
        texts = {QT_TRANSLATE_NOOP("vok::DirSpaceCaptions", "%1 Kb %2 Files"),
                 //: Kb = kilobytes
                 QT_TRANSLATE_NOOP("vok::DirSpaceCaptions", "%1 Kb")};
        break;
    case SpaceUnit::Bytes:
        //: After a listing; chosen from the Space Units menu the text has a small "bytes"
        texts = {
            QT_TRANSLATE_NOOP("vok::DirSpaceCaptions", "%1 Bytes"),
            //: Chosen from the Space Units menu; after a listing the text has a capital "Bytes"
            QT_TRANSLATE_NOOP("vok::DirSpaceCaptions", "%1 bytes")};
        break;
    case SpaceUnit::Mb:
        figure = roundHalfEven(total / 1048576);
        //: Mb = megabytes; %1 is the size, %2 the number of files
        texts = {QT_TRANSLATE_NOOP("vok::DirSpaceCaptions", "%1 Mb %2 Files"),
                 //: Mb = megabytes
                 QT_TRANSLATE_NOOP("vok::DirSpaceCaptions", "%1 Mb")};
        break;
    }
    const QString text = QCoreApplication::translate("vok::DirSpaceCaptions",
                                                     afterListing ? texts.listed : texts.chosen)
                             .arg(figure);
    // The byte total after a listing counts no files.
    return afterListing && unit != SpaceUnit::Bytes ? text.arg(scan.ScanFileCount) : text;
}

} // namespace vok
