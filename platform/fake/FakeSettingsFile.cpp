#include "platform/fake/FakeSettingsFile.h"

namespace vok {

namespace {

template <typename Pairs> QStringList firsts(const Pairs& pairs) {
    QStringList out;
    for (const auto& p : pairs)
        out << p.first;
    return out;
}

} // namespace

FakeSettingsFile::Section* FakeSettingsFile::find(const QString& section) {
    QStringList names;
    for (const Section& s : sections_)
        names << s.name;
    const int i = findSettingName(names, section);
    return i < 0 ? nullptr : &sections_[i];
}

std::optional<QString> FakeSettingsFile::read(const QString& section, const QString& name) {
    const Section* s = find(section);
    if (!s)
        return std::nullopt;
    const int i = findSettingName(firsts(s->values), name);
    if (i < 0)
        return std::nullopt;
    return s->values[i].second;
}

void FakeSettingsFile::write(const QString& section, const QString& name, const QString& value) {
    ++writes;
    Section* s = find(section);
    if (!s) {
        sections_.append({section, {}});
        s = &sections_.last();
    }
    const int i = findSettingName(firsts(s->values), name);
    if (i < 0)
        s->values.append({name, value});
    else
        s->values[i].second = value;
}

void FakeSettingsFile::deleteSection(const QString& section) {
    sections_.removeIf(
        [&](const Section& s) { return s.name.compare(section, Qt::CaseInsensitive) == 0; });
}

bool FakeSettingsFile::save() {
    ++saves;
    return !failSaves;
}

QStringList FakeSettingsFile::sections() const {
    QStringList out;
    for (const Section& s : sections_)
        out << s.name;
    return out;
}

QStringList FakeSettingsFile::names(const QString& section) const {
    for (const Section& s : sections_) {
        if (s.name.compare(section, Qt::CaseInsensitive) == 0)
            return firsts(s.values);
    }
    return {};
}

} // namespace vok
