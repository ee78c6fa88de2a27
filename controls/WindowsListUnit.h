#pragma once
// WindowsListUnit: the window list of the running windows screen (TWindowsList).
#include <QList>
#include <QObject>
#include <QStringList>

namespace vok {

class TopLevelWindows;

// What the list keeps of a listed window besides its caption.
struct TWindowInfo {
    quint32 Handle = 0;
};

struct WindowListEntry {
    QString caption;
    TWindowInfo info;
};

// The captions of the desktop's top-level windows, topmost first.
class TWindowsList : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool AcceptEmptyNames READ AcceptEmptyNames WRITE setAcceptEmptyNames)
public:
    explicit TWindowsList(TopLevelWindows& windows, QObject* owner = nullptr);

    const QList<WindowListEntry>& TheWindowsList() const { return list_; }
    QStringList captions() const;

    bool AcceptEmptyNames() const { return acceptEmptyNames_; }
    void setAcceptEmptyNames(bool accept) { acceptEmptyNames_ = accept; }

    // Replaces the list with the windows there are now.
    void RefreshList();

private:
    TopLevelWindows& windows_;
    QList<WindowListEntry> list_;
    bool acceptEmptyNames_ = true;
};

} // namespace vok
