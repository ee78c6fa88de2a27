#pragma once
#include <QElapsedTimer>
#include <QListWidget>

namespace vok {

class DialogService;
class DirectoryReader;
class DriveTable;

// The directory list: the chain of directories from the drive's root down to the current one,
// then the current one's subdirectories. A double click or Enter opens a directory.
class TDirectoryListBox : public QListWidget {
    Q_OBJECT
public:
    TDirectoryListBox(DriveTable& drives, DirectoryReader& directories, DialogService& dialogs,
                      QWidget* parent = nullptr);

    QChar drive() const { return drive_; } // lower case
    QString directory() const { return directory_; }
    // Moves to the drive's current directory.
    void setDrive(QChar letter);
    // Moves to dir, which becomes the working directory and its drive's current directory.
    // Raises changed() when the directory is another than before.
    void setDirectory(const QString& dir);

    void keyboardSearch(const QString& search) override;

signals:
    void changed();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void fill();
    void open(QListWidgetItem* item);

    DriveTable& drives_;
    DirectoryReader& directories_;
    DialogService& dialogs_;
    QString typedText_;   // typed so far for the type-ahead
    QElapsedTimer typed_; // since the last key of it

    QChar drive_;
    QString directory_;
};

} // namespace vok
