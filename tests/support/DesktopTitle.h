#pragma once
#include <QGuiApplication>
#include <QObject>
#include <QWidget>

namespace vok {

// A window's title as the desktop shows it: Qt hands each caption over with the application
// display name of that moment appended, unless the caption ends with it; a window without a
// caption is named by it alone. Noted from the moment of construction.
class DesktopTitle : public QObject {
public:
    explicit DesktopTitle(QWidget* window)
        : window_(window), carried_(QGuiApplication::applicationDisplayName()) {
        connect(window, &QWidget::windowTitleChanged, this,
                [this] { carried_ = QGuiApplication::applicationDisplayName(); });
    }
    QString text() const {
        const QString caption = window_->windowTitle();
        if (carried_.isEmpty() || caption.endsWith(carried_))
            return caption;
        return caption.isEmpty() ? carried_ : caption + QString::fromUtf8(" \u2014 ") + carried_;
    }

private:
    QWidget* window_;
    QString carried_;
};

} // namespace vok
