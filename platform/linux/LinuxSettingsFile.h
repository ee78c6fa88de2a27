#pragma once
#include "platform/SettingsFile.h"
#include "platform/IniText.h"
#include <vector>

namespace vok {

// The settings in ~/.config/Vok95.conf (XDG_CONFIG_HOME honoured). Read once; a save merges
// Vok's changes into what the file holds at that moment and replaces it through a temporary file
// and a rename, so values Vok does not write survive. A settings path that holds anything but a
// regular file (a FIFO, a folder, a device) is never read, never waited on and never replaced:
// Vok runs on its defaults.
class LinuxSettingsFile : public SettingsFile {
public:
    LinuxSettingsFile();
    explicit LinuxSettingsFile(const QString& path);

    std::optional<QString> read(const QString& section, const QString& name) override;
    void write(const QString& section, const QString& name, const QString& value) override;
    void deleteSection(const QString& section) override;
    bool save() override;
    QString location() const override { return path_; }

    // ~/.config/Vok95.conf, or its place under XDG_CONFIG_HOME.
    static QString defaultPath();

    // What identifies the file's state between reading and saving.
    struct Stamp {
        bool regular = false;
        bool exists = false;
        quint64 device = 0, inode = 0;
        qint64 size = 0, modifiedNs = 0, changedNs = 0;
        bool operator==(const Stamp&) const = default;
    };

private:
    struct Change {
        QString section, name, value;
        bool deletion = false;
    };
    static void apply(IniText& text, const Change& change);

    QString path_;
    IniText text_;
    Stamp read_;                  // the file as text_ was read from it
    std::vector<Change> changes_; // since the last save
};

} // namespace vok
