#pragma once
#include <QComboBox>

namespace vok {

class DriveTable;

// The drive picker: every drive of the drive table as "c: /", holding the lower-case letter.
class TDriveComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TDriveComboBox(DriveTable& drives, QWidget* parent = nullptr);

    QChar drive() const { return drive_; } // lower case
    // Selects the drive without raising changed(); false when it is not in the table.
    bool setDrive(QChar letter);
    // Reads the drive table afresh, keeping the selection where it can.
    void refresh();
    // The text the box shows: the current item, elided in the middle to fit; the whole text
    // is the tooltip, and the drop-down list shows every item whole.
    QString shownText() const;

    // Reads the table afresh before the list opens.
    void showPopup() override;

signals:
    // The user picked a drive.
    void changed();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void picked(int index);
    QRect textArea() const;
    DriveTable& drives_;
    QChar drive_;
};

} // namespace vok
