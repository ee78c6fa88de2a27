#include "controls/ScreenFrame.h"
#include <QDialog>
#include <QVBoxLayout>

namespace vok {

QWidget* screenClientArea(QDialog* screen) {
    auto* client = new QWidget(screen);
    auto* layout = new QVBoxLayout(screen);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(client, 1);
    return client;
}

} // namespace vok
