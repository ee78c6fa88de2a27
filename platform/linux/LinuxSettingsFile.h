#pragma once
#include "platform/SettingsFile.h"
#include <QSettings>
#include <memory>

namespace vok {

// The settings in ~/.config/Vok95.conf (XDG_CONFIG_HOME honoured), one group per section.
// QSettings saves atomically and merges our changes into what the file holds at that moment, so
// values Vok does not write survive.
class LinuxSettingsFile : public SettingsFile {
public:
    LinuxSettingsFile();
    explicit LinuxSettingsFile(const QString& path);
    ~LinuxSettingsFile() override;

    std::optional<QString> read(const QString& section, const QString& name) override;
    void write(const QString& section, const QString& name, const QString& value) override;
    void deleteSection(const QString& section) override;
    bool save() override;
    QString location() const override { return path_; }

    // ~/.config/Vok95.conf, or its place under XDG_CONFIG_HOME.
    static QString defaultPath();

private:
    QString groupFor(const QString& section) const;

    QString path_;
    std::unique_ptr<QSettings> settings_;
};

} // namespace vok
