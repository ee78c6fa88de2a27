// UnFilever: the file information screen (TFileInfo).
#include "diskscreens/UnFilever.h"
#include "controls/ActivationWatcher.h"
#include "controls/Panel.h"
#include "controls/Version.h"
#include "diskscreens/ElfFileInfo.h"
#include "platform/ErrorHandler.h"
#include "platform/PackageIndex.h"
#include "platform/Services.h"
#include "platform/VersionFiles.h"
#include <QLabel>
#include <QPushButton>

namespace vok {

namespace {

constexpr int kRowStep = 24;

} // namespace

TFileInfo::TFileInfo(const Services& services, ScreenContext&, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName("FileInfo");
    //: The title until a file is shown, which then gives the title its path
    setWindowTitle(tr("FileInfo"));
    setFont(QFont("MS Sans Serif", 8));
    resize(566, 307);

    VersionResource1 = new TVersionResource(*services_.versions, this);
    shown_ = VersionResource1->VersionInfo();

    Panel1 = new TPanel(this);
    Panel1->setGeometry(136, 16, 313, 241);
    Panel1->setBevelOuter(Bevel::Lowered);

    const char* captions[] = {QT_TRANSLATE_NOOP("vok::TFileInfo", "Company "),
                              QT_TRANSLATE_NOOP("vok::TFileInfo", "Description"),
                              QT_TRANSLATE_NOOP("vok::TFileInfo", "Operating System"),
                              QT_TRANSLATE_NOOP("vok::TFileInfo", "File Type"),
                              QT_TRANSLATE_NOOP("vok::TFileInfo", "File Version"),
                              QT_TRANSLATE_NOOP("vok::TFileInfo", "Internal Name"),
                              QT_TRANSLATE_NOOP("vok::TFileInfo", "Copyright"),
                              QT_TRANSLATE_NOOP("vok::TFileInfo", "Product Name"),
                              QT_TRANSLATE_NOOP("vok::TFileInfo", "Product Version")};
    const char* values[] = {"Company",   "Description", "OS",
                            "Filetype",  "FileVersion", "InternalName",
                            "Copyright", "ProductName", "ProductVersion"};
    QLabel** captionLabels[] = {&Label1, &Label2, &Label3, &Label4, &Label5,
                                &Label6, &Label7, &Label8, &Label9};
    QLabel** valueLabels[] = {&Company,   &Description, &OS,
                              &Filetype,  &FileVersion, &InternalName,
                              &Copyright, &ProductName, &ProductVersion};
    for (int i = 0; i < 9; ++i) {
        QLabel* caption = new QLabel(tr(captions[i]), this);
        caption->setObjectName(QString("Label%1").arg(i + 1));
        caption->setGeometry(16, 24 + kRowStep * i, 118, 16);
        caption->setTextFormat(Qt::PlainText);
        *captionLabels[i] = caption;
        // Each value label shows its own name until the first activation.
        QLabel* value = new QLabel(values[i], Panel1);
        value->setObjectName(values[i]);
        value->setGeometry(32, 8 + kRowStep * i, 313 - 32 - 6, 16);
        value->setTextFormat(Qt::PlainText);
        *valueLabels[i] = value;
    }

    Button1 = new QPushButton(tr("OK"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(472, 16, 75, 25);
    connect(Button1, &QPushButton::clicked, this,
            guardedSlot(*services_.dialogs, this, &TFileInfo::Button1Click));

    connect(new ActivationWatcher(this, ActivationWatcher::OtherPrograms::Ignore),
            &ActivationWatcher::activated, this,
            guardedSlot(*services_.dialogs, this, &TFileInfo::FormActivate));
}

void TFileInfo::FormActivate() {
    setWindowTitle(InfoFileName);
    // A missing file leaves the reader as it is, with what it read last.
    if (services_.versions->exists(InfoFileName)) {
        VersionResource1->setFileName(InfoFileName);
        shown_ = VersionResource1->VersionInfo();
        // Without a fixed block there is no version resource: an ELF file speaks for itself.
        // The values describe the file whose bytes were read, not a link to it, which may
        // belong to another package (/usr/bin/elfedit to binutils, the file it names not).
        if (shown_.FileType.isEmpty())
            if (const std::optional<ElfFacts> elf = services_.versions->elfFacts(InfoFileName)) {
                const QString real = services_.versions->realPath(InfoFileName);
                shown_ = describeElfFile(*elf, services_.packages->ownerOf(real), real);
            }
    }
    const TVersionInfo& v = shown_;
    Company->setText(v.CompanyName);
    Description->setText(v.FileDescription);
    OS->setText(v.FileOS);
    Filetype->setText(v.FileType);
    FileVersion->setText(v.FileVersion);
    InternalName->setText(v.InternalName);
    Copyright->setText(v.LegalCopyright);
    ProductName->setText(v.ProductName);
    ProductVersion->setText(v.ProductVersion);
    // A maintainer's address or a copyright line can be wider than the panel.
    for (QLabel* value : {Company, Description, OS, Filetype, FileVersion, InternalName, Copyright,
                          ProductName, ProductVersion})
        value->setToolTip(value->text());
}

void TFileInfo::Button1Click() {
    close();
}

} // namespace vok
