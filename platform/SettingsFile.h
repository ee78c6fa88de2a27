#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace vok {

// The user's stored settings: sections of named text values. Section and value names match
// without regard to case, as the desktop Vok came from did; a name keeps the spelling it was
// first stored under.
class SettingsFile {
public:
    virtual ~SettingsFile() = default;
    // nullopt when the section or the value is missing.
    virtual std::optional<QString> read(const QString& section, const QString& name) = 0;
    // Replaces the value under the spelling it already has, else adds it.
    virtual void write(const QString& section, const QString& name, const QString& value) = 0;
    virtual void deleteSection(const QString& section) = 0;
    // Stores every change made so far; false when they could not be stored, in which case the
    // file keeps what it held before.
    virtual bool save() = 0;
    // Where the settings live, to name in messages.
    virtual QString location() const = 0;
};

// The index in names of the one that name means: the exact spelling first, else the first that
// differs only in case; -1 when none does.
int findSettingName(const QStringList& names, const QString& name);

} // namespace vok
