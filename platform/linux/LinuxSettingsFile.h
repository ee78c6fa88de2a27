#pragma once
#include "platform/IniText.h"
#include "platform/SettingsFile.h"
#include <vector>

namespace vok {

// The settings in ~/.config/Vok95.conf (XDG_CONFIG_HOME honoured). Read once; a save merges
// Vok's changes into what the file holds at that moment and replaces it through a temporary file
// and a rename, so values Vok does not write survive. The save holds a lock on the file from
// reading it to the rename, so that copies closing at once each keep the other's changes.
//
// Only a regular file of the user who runs Vok is read or replaced, and only in a folder of
// theirs is one made. Anything else in its place (a link, a FIFO, a folder, a device, a file of
// another user) is never read, never waited on and never replaced: Vok runs on its defaults.
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

private:
    struct Change {
        QString section, name, value;
        bool deletion = false;
    };
    static void apply(IniText& text, const Change& change);

    QString path_;
    IniText text_;
    std::vector<Change> changes_; // since the last save
};

} // namespace vok
