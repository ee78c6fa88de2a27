#include "platform/linux/LinuxSettingsFile.h"
#include "platform/FileNames.h"
#include "platform/IniText.h"
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vok {

namespace {

LinuxSettingsFile::Stamp stampOf(const struct stat& st) {
    LinuxSettingsFile::Stamp s;
    s.exists = true;
    s.regular = S_ISREG(st.st_mode);
    s.device = st.st_dev;
    s.inode = st.st_ino;
    s.size = st.st_size;
    s.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.changedNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return s;
}

// What is at path now, without opening it.
LinuxSettingsFile::Stamp stampAt(const QString& path) {
    struct stat st;
    if (::stat(encodeFileName(path).constData(), &st) == 0)
        return stampOf(st);
    LinuxSettingsFile::Stamp missing;
    missing.exists = errno != ENOENT && errno != ENOTDIR;
    return missing;
}

// The file's text and what it was. O_NONBLOCK, and fstat before any read, because a FIFO or a
// terminal in the file's place would block the start for ever and a device never ends.
QByteArray readSettings(const QString& path, LinuxSettingsFile::Stamp* stamp) {
    const int fd =
        ::open(encodeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        *stamp = {};
        stamp->exists = errno != ENOENT && errno != ENOTDIR;
        return {};
    }
    QByteArray text;
    struct stat st;
    if (::fstat(fd, &st) == 0) {
        *stamp = stampOf(st);
        if (stamp->regular) {
            text.reserve(qsizetype(st.st_size));
            char buffer[65536];
            ssize_t n;
            while ((n = ::read(fd, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
                text.append(buffer, n > 0 ? n : 0);
        }
    } else {
        *stamp = {};
        stamp->exists = true; // there, but unknown: leave it alone
    }
    ::close(fd);
    return stamp->regular ? text : QByteArray();
}

} // namespace

LinuxSettingsFile::LinuxSettingsFile() : LinuxSettingsFile(defaultPath()) {}

LinuxSettingsFile::LinuxSettingsFile(const QString& path) : path_(path) {
    text_ = IniText(readSettings(path_, &read_));
}

QString LinuxSettingsFile::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Vok95.conf";
}

void LinuxSettingsFile::apply(IniText& text, const Change& change) {
    if (change.deletion)
        text.deleteSection(change.section);
    else
        text.write(change.section, change.name, change.value);
}

std::optional<QString> LinuxSettingsFile::read(const QString& section, const QString& name) {
    return text_.read(section, name);
}

void LinuxSettingsFile::write(const QString& section, const QString& name, const QString& value) {
    changes_.push_back(Change{section, name, value, false});
    apply(text_, changes_.back());
}

void LinuxSettingsFile::deleteSection(const QString& section) {
    changes_.push_back(Change{section, {}, {}, true});
    apply(text_, changes_.back());
}

bool LinuxSettingsFile::save() {
    if (changes_.empty())
        return true;
    Stamp now = stampAt(path_);
    if (now.exists && !now.regular)
        return false; // not ours to replace
    if (now != read_) {
        // Changed since it was read (another copy of Vok, an editor): merge into the new text.
        const QByteArray current = readSettings(path_, &now);
        if (now.exists && !now.regular)
            return false; // not ours to replace
        IniText merged(current);
        for (const Change& c : changes_)
            apply(merged, c);
        text_ = std::move(merged);
        read_ = now;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = text_.text();
    // QSaveFile buffers, and commit() would rename a file cut short by a full disk into place
    // unless the failed write shows up here.
    if (file.write(text) != text.size() || !file.flush() || !file.commit())
        return false;
    changes_.clear();
    read_ = stampAt(path_);
    return true;
}

} // namespace vok
