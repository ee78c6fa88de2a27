#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace vok {

class TPanel;
class TVersionResource;
class VersionFiles;

// The file information screen: the version information of one executable file. Its caller
// stores the path in InfoFileName and shows it modally.
class TFileInfo : public QDialog {
    Q_OBJECT
public:
    explicit TFileInfo(VersionFiles& files, QWidget* parent = nullptr);

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
    VersionFiles& files_;
};

} // namespace vok
