#include "controls/Application.h"
#include <QGuiApplication>

namespace vok {

namespace {
QString& helpFile() {
    static QString path;
    return path;
}
} // namespace

void setApplicationTitle(const QString& title) {
    QGuiApplication::setApplicationDisplayName(title);
}

QString applicationTitle() {
    return QGuiApplication::applicationDisplayName();
}

void setApplicationHelpFile(const QString& path) {
    helpFile() = path;
}

QString applicationHelpFile() {
    return helpFile();
}

} // namespace vok
