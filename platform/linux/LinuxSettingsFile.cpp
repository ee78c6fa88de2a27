#include "platform/linux/LinuxSettingsFile.h"
#include "platform/IniText.h"
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QStandardPaths>

namespace vok {

namespace {

bool readIni(QIODevice& device, QSettings::SettingsMap& map) {
    // A damaged file reads as far as it makes sense; reporting a format error here would stick
    // to the QSettings object and hide whether a later save worked.
    map = parseIniText(device.readAll());
    return true;
}

bool writeIni(QIODevice& device, const QSettings::SettingsMap& map) {
    const QByteArray text = formatIniText(map);
    if (device.write(text) != text.size())
        return false;
    // QSaveFile buffers, and its commit() renames a file cut short by a full disk into place
    // unless the failed write shows up here.
    auto* file = qobject_cast<QFileDevice*>(&device);
    return !file || file->flush();
}

QSettings::Format iniFormat() {
    static const QSettings::Format format = QSettings::registerFormat("conf", readIni, writeIni);
    return format;
}

} // namespace

LinuxSettingsFile::LinuxSettingsFile() : LinuxSettingsFile(defaultPath()) {}

LinuxSettingsFile::LinuxSettingsFile(const QString& path)
    : path_(path), settings_(std::make_unique<QSettings>(path, iniFormat())) {}

LinuxSettingsFile::~LinuxSettingsFile() = default;

QString LinuxSettingsFile::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Vok95.conf";
}

QString LinuxSettingsFile::groupFor(const QString& section) const {
    const QStringList groups = settings_->childGroups();
    const int i = findSettingName(groups, section);
    return i < 0 ? section : groups[i];
}

std::optional<QString> LinuxSettingsFile::read(const QString& section, const QString& name) {
    settings_->beginGroup(groupFor(section));
    const QStringList keys = settings_->childKeys();
    const int i = findSettingName(keys, name);
    std::optional<QString> value;
    if (i >= 0)
        value = settings_->value(keys[i]).toString();
    settings_->endGroup();
    return value;
}

void LinuxSettingsFile::write(const QString& section, const QString& name, const QString& value) {
    settings_->beginGroup(groupFor(section));
    const QStringList keys = settings_->childKeys();
    const int i = findSettingName(keys, name);
    settings_->setValue(i < 0 ? name : keys[i], value);
    // Other spellings of the same name would make later reads ambiguous.
    for (int j = 0; j < keys.size(); ++j) {
        if (j != i && keys[j].compare(name, Qt::CaseInsensitive) == 0)
            settings_->remove(keys[j]);
    }
    settings_->endGroup();
}

void LinuxSettingsFile::deleteSection(const QString& section) {
    for (const QString& group : settings_->childGroups()) {
        if (group.compare(section, Qt::CaseInsensitive) == 0)
            settings_->remove(group);
    }
}

bool LinuxSettingsFile::save() {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

} // namespace vok
