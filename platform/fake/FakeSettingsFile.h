#pragma once
#include "platform/SettingsFile.h"
#include <QList>
#include <QPair>

namespace vok {

// Settings held in memory, in the order they were written, with the same name matching as the
// real file.
class FakeSettingsFile : public SettingsFile {
public:
    std::optional<QString> read(const QString& section, const QString& name) override;
    void write(const QString& section, const QString& name, const QString& value) override;
    void deleteSection(const QString& section) override;
    bool save() override;
    QString location() const override { return "/home/user/.config/Vok95.conf"; }

    // Section names as stored.
    QStringList sections() const;
    // Value names of a section as stored; empty when the section is missing.
    QStringList names(const QString& section) const;

    bool failSaves = false; // save() reports failure
    int saves = 0;
    int writes = 0;

private:
    struct Section {
        QString name;
        QList<QPair<QString, QString>> values;
    };
    Section* find(const QString& section);

    QList<Section> sections_;
};

} // namespace vok
