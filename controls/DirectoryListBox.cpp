#include "controls/DirectoryListBox.h"
#include "platform/DirectoryReader.h"
#include "platform/Drive.h"
#include "platform/ErrorHandler.h"
#include "platform/FileNames.h"
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QStyle>

namespace vok {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kIndentRole = Qt::UserRole + 1; // blanks before the name

QString normalized(QString dir) {
    dir = QDir::cleanPath(dir);
    return dir.isEmpty() ? QString("/") : dir;
}

QString parentOf(const QString& dir) {
    const qsizetype slash = dir.lastIndexOf('/');
    return slash <= 0 ? QString("/") : dir.left(slash);
}

} // namespace

TDirectoryListBox::TDirectoryListBox(DriveTable& drives, DirectoryReader& directories,
                                     DialogService& dialogs, QWidget* parent)
    : QListWidget(parent), drives_(drives), directories_(directories), dialogs_(dialogs) {
    setAccessibleName(tr("Directories"));
    connect(this, &QListWidget::itemDoubleClicked, this,
            guardedSlot(dialogs_, this, &TDirectoryListBox::open));
    // Starts where the working directory's drive is, without moving anything.
    const QChar letter = drives_.driveOfPath(drives_.currentPath());
    drive_ = letter.toLower();
    directory_ = letter.isNull() ? QString("/") : normalized(drives_.currentDirectory(letter));
    fill();
}

void TDirectoryListBox::setDrive(QChar letter) {
    const QString dir = drives_.currentDirectory(letter.toUpper());
    if (!dir.isEmpty())
        setDirectory(dir);
}

void TDirectoryListBox::setDirectory(const QString& dir) {
    const QString target = normalized(dir);
    if (!drives_.changeDirectory(target) && !directory_.isEmpty())
        return; // not a directory we can go to; stay where we are
    const QChar letter = drives_.driveOfPath(target);
    drive_ = letter.toLower();
    const bool moved = target != directory_;
    directory_ = target;
    fill();
    if (moved)
        emit changed();
}

void TDirectoryListBox::fill() {
    clear();
    Drive d;
    const QString root = drives_.find(drive_, &d) ? normalized(d.mountPoint) : QString("/");
    // The chain from the drive's root down to the current directory.
    QStringList chain;
    for (QString dir = directory_; dir != root && dir != "/"; dir = parentOf(dir))
        chain.prepend(dir);
    chain.prepend(root);
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    int depth = 0;
    for (const QString& dir : chain) {
        const QString label = depth == 0 ? dir : dir.mid(dir.lastIndexOf('/') + 1);
        auto* item = new QListWidgetItem(openIcon, QString(depth * 2, ' ') + label, this);
        item->setData(kPathRole, dir);
        item->setData(kIndentRole, depth * 2);
        ++depth;
    }
    setCurrentRow(count() - 1);
    // Each subdirectory's name and where opening it leads.
    QList<std::pair<QString, QString>> subdirectories;
    directories_.list(directory_, IncludeDirectories, [&](const DirEntry& e) {
        if (e.isDirectory())
            subdirectories.append({e.name(), joinPath(directory_, e.name())});
        return true;
    });
    // A link to a directory is a directory to the user (/bin, /lib); opening it goes where it
    // leads, so walks started there begin at a real directory.
    for (const DirectoryLink& link : directories_.directoryLinks(directory_))
        if (!link.name.startsWith('.'))
            subdirectories.append({link.name, link.target});
    std::sort(subdirectories.begin(), subdirectories.end(), [](const auto& a, const auto& b) {
        return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
    });
    for (const auto& [name, path] : subdirectories) {
        auto* item = new QListWidgetItem(closedIcon, QString(depth * 2, ' ') + name, this);
        item->setData(kPathRole, path);
        item->setData(kIndentRole, depth * 2);
    }
}

void TDirectoryListBox::open(QListWidgetItem* item) {
    if (item)
        setDirectory(item->data(kPathRole).toString());
}

// Typing selects the next directory whose name starts with what was typed (quickly one key after
// another); the names' indents do not count. The same first letter again moves on to the next.
void TDirectoryListBox::keyboardSearch(const QString& search) {
    if (search.isEmpty() || count() == 0)
        return;
    const bool more = typed_.isValid() && typed_.elapsed() < QApplication::keyboardInputInterval();
    typedText_ = more ? typedText_ + search : search;
    typed_.start();
    const int from = qMax(0, currentRow()) + (typedText_.size() == 1 ? 1 : 0);
    for (int i = 0; i < count(); ++i) {
        QListWidgetItem* candidate = item((from + i) % count());
        if (candidate->text()
                .mid(candidate->data(kIndentRole).toInt())
                .startsWith(typedText_, Qt::CaseInsensitive)) {
            setCurrentItem(candidate);
            return;
        }
    }
}

void TDirectoryListBox::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        runGuarded(dialogs_, [this] { open(currentItem()); });
        return;
    }
    QListWidget::keyPressEvent(e);
}

} // namespace vok
