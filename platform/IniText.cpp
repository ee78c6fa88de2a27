#include "platform/IniText.h"

namespace vok {

namespace {

QString unescape(const QString& s) {
    QString out;
    out.reserve(s.size());
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == u'\\' && i + 1 < s.size()) {
            const QChar next = s[i + 1];
            if (next == u'\\' || next == u'n' || next == u'r') {
                out += next == u'n' ? QChar(u'\n') : next == u'r' ? QChar(u'\r') : next;
                ++i;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

QString escape(QString s) {
    s.replace(u'\\', QLatin1String("\\\\"));
    s.replace(u'\n', QLatin1String("\\n"));
    s.replace(u'\r', QLatin1String("\\r"));
    return s;
}

} // namespace

QSettings::SettingsMap parseIniText(const QByteArray& text) {
    QSettings::SettingsMap map;
    QString section;
    bool sectionBroken = false;
    const QString all = QString::fromUtf8(text);
    for (QStringView raw : QStringView(all).split(u'\n')) {
        const QStringView line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            sectionBroken = !line.endsWith(u']') || line.size() < 3;
            section = sectionBroken ? QString() : line.mid(1, line.size() - 2).trimmed().toString();
            sectionBroken = sectionBroken || section.isEmpty();
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0 || sectionBroken)
            continue;
        const QString name = line.left(eq).trimmed().toString();
        if (name.isEmpty())
            continue;
        const QString key = section.isEmpty() ? name : section + u'/' + name;
        map.insert(key, unescape(line.mid(eq + 1).trimmed().toString()));
    }
    return map;
}

QByteArray formatIniText(const QSettings::SettingsMap& map) {
    QByteArray top;
    QByteArray body;
    QString current;
    bool inSection = false;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        const QString line = escape(it.value().toString());
        if (slash < 0) {
            top += (it.key() + u'=' + line).toUtf8() + '\n';
            continue;
        }
        const QString section = it.key().left(slash);
        if (!inSection || section != current) {
            if (inSection)
                body += '\n';
            body += ('[' + section + ']').toUtf8() + '\n';
            current = section;
            inSection = true;
        }
        body += (it.key().mid(slash + 1) + u'=' + line).toUtf8() + '\n';
    }
    if (!top.isEmpty() && !body.isEmpty())
        top += '\n';
    return top + body;
}

} // namespace vok
