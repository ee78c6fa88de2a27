#include "main/Unit1.h"
#include "platform/Services.h"
#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vok::installPlatformServices();
    return vok::runVok(app);
}
