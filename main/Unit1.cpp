#include "main/Unit1.h"
#include <QApplication>

namespace vok {

TfmVok::TfmVok(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Vok 97");
}

int runVok(QApplication& app) {
    TfmVok fm;
    fm.show();
    return app.exec();
}

} // namespace vok
