#include "platform/linux/LinuxSettingsFile.h"
#include "platform/FileNames.h"
#include "platform/IniText.h"
#include "platform/linux/FileDescriptor.h"
#include "platform/linux/PathDescriptors.h"
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vok {

using linuxfs::FileDescriptor;

namespace {

// Never through a link, which may lead to another user's file; never waiting, as a FIFO or a
// terminal in the file's place would block for ever.
constexpr int kOpenFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
constexpr int kAttempts = 100;

bool ownFile(const struct stat& st) {
    return S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The file's text; empty when it is not the user's own regular file. fstat comes before any
// read because a device never ends.
QByteArray readSettings(const QString& path) {
    const FileDescriptor fd(::open(encodeFileName(path).constData(), O_RDONLY | kOpenFlags));
    struct stat st;
    QByteArray text;
    if (fd.isOpen() && ::fstat(fd.get(), &st) == 0 && ownFile(st) &&
        !linuxfs::readAll(fd.get(), &text))
        text.clear();
    return text;
}

// The settings file open for writing and locked.
struct LockedFile {
    FileDescriptor fd;
    struct stat st {};
    bool made = false; // empty, made to hold the lock because there was no file
};

// Locks the file called name in dir, making it empty when missing. Another copy may have renamed
// a new file into place while this one waited, so the lock counts only once it is on the file
// that the name gives. The lock belongs to the open file: the kernel drops it when the process
// ends, however it ends, and only those who may write the file can take it.
LockedFile lockSettings(int dir, const QByteArray& name) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        LockedFile f;
        struct stat st;
        if (::fstatat(dir, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
            if (!ownFile(st))
                return {}; // not Vok's to replace
            f.fd.reset(::openat(dir, name.constData(), O_RDWR | kOpenFlags));
        } else if (errno == ENOENT) {
            f.fd.reset(
                ::openat(dir, name.constData(), O_RDWR | O_CREAT | O_EXCL | kOpenFlags, 0666));
            f.made = f.fd.isOpen();
        } else {
            return {};
        }
        if (!f.fd.isOpen()) {
            if (errno == ENOENT || errno == EEXIST)
                continue; // it went or came since it was looked at
            return {};
        }
        struct flock lock {};
        lock.l_type = F_WRLCK; // from 0 to the end, whatever the end becomes
        lock.l_whence = SEEK_SET;
        int rc;
        while ((rc = ::fcntl(f.fd.get(), F_OFD_SETLKW, &lock)) != 0 && errno == EINTR) {
        }
        // A file system without locks (ENOLCK) still takes the save, unguarded as before.
        if ((rc != 0 && errno != ENOLCK) || ::fstat(f.fd.get(), &f.st) != 0 || !ownFile(f.st))
            return {};
        if (::fstatat(dir, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(st, f.st))
            return f;
    }
    return {};
}

// Puts text in place of name through a new file beside it and a rename, so that the file is never
// seen half written. The new file takes mode. A write cut short (a full disk) stops the rename.
bool replaceFile(int dir, const QByteArray& name, const QByteArray& text, mode_t mode) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const QByteArray temp =
            name + '.' + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        FileDescriptor fd(::openat(dir, temp.constData(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!fd.isOpen()) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        const bool done = ::fchmod(fd.get(), mode) == 0 && linuxfs::writeAll(fd.get(), text) &&
                          ::fdatasync(fd.get()) == 0 && ::close(fd.release()) == 0 &&
                          ::renameat(dir, temp.constData(), dir, name.constData()) == 0;
        if (!done)
            ::unlinkat(dir, temp.constData(), 0);
        return done;
    }
    return false;
}

} // namespace

LinuxSettingsFile::LinuxSettingsFile() : LinuxSettingsFile(defaultPath()) {}

LinuxSettingsFile::LinuxSettingsFile(const QString& path)
    : path_(path), text_(readSettings(path)) {}

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
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QByteArray name;
    const FileDescriptor dir = linuxfs::openParent(encodeFileName(path_), &name);
    struct stat folder;
    if (!dir.isOpen() || ::fstat(dir.get(), &folder) != 0 || folder.st_uid != ::geteuid())
        return false; // another user's folder is not Vok's to write in
    const LockedFile file = lockSettings(dir.get(), name);
    QByteArray current;
    if (!file.fd.isOpen() || !linuxfs::readAll(file.fd.get(), &current))
        return false;
    // Another copy of Vok or an editor may have changed the file since it was read.
    IniText merged(current);
    for (const Change& c : changes_)
        apply(merged, c);
    if (!replaceFile(dir.get(), name, merged.text(), file.st.st_mode & 0777)) {
        struct stat st;
        if (file.made && ::fstatat(dir.get(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            sameFile(st, file.st))
            ::unlinkat(dir.get(), name.constData(), 0);
        return false;
    }
    text_ = std::move(merged);
    changes_.clear();
    return true;
}

} // namespace vok
