#pragma once
// UnFilever: the file information screen (TFileInfo).
#include "controls/Version.h"
#include <QDialog>

class QLabel;
class QPushButton;

namespace vok {

struct Services;
class ScreenContext;
class TPanel;

// The file information screen: the version information of one executable file, or for an ELF
// file what the file and its package say. Its caller stores the path in InfoFileName and shows it
// modally.
class TFileInfo : public QDialog {
    Q_OBJECT
public:
    TFileInfo(const Services& services, ScreenContext& context, QWidget* parent = nullptr);

    QString InfoFileName;

    TVersionResource* VersionResource1;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
    TPanel* Panel1;
    QLabel *Company, *Description, *OS, *Filetype, *FileVersion, *InternalName, *Copyright,
        *ProductName, *ProductVersion;
    QPushButton* Button1;

    void FormActivate();
    void Button1Click();

private:
    const Services& services_;
    // What the labels show: the reader's information, or an ELF file's.
    TVersionInfo shown_;
};

} // namespace vok
