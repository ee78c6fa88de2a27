#pragma once
#include <QMainWindow>

class QApplication;

namespace vok {

class TfmVok : public QMainWindow {
    Q_OBJECT
public:
    explicit TfmVok(QWidget* parent = nullptr);
};

// The program entry after the toolkit is initialised: title, main window, message loop.
int runVok(QApplication& app);

} // namespace vok
