#include "platform/IniText.h"
#include <algorithm>

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

enum class Kind { Other, Section, BrokenSection, Value };

struct Parsed {
    Kind kind = Kind::Other;
    QByteArrayView name;
    QByteArrayView value;
};

Parsed parseLine(QByteArrayView raw) {
    const QByteArrayView line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
        return {};
    if (line.startsWith('[')) {
        if (!line.endsWith(']') || line.size() < 3)
            return {Kind::BrokenSection, {}, {}};
        const QByteArrayView name = line.sliced(1, line.size() - 2).trimmed();
        return {name.isEmpty() ? Kind::BrokenSection : Kind::Section, name, {}};
    }
    const qsizetype eq = line.indexOf('=');
    if (eq <= 0)
        return {};
    const QByteArrayView name = line.first(eq).trimmed();
    if (name.isEmpty())
        return {};
    return {Kind::Value, name, line.sliced(eq + 1).trimmed()};
}

// Names compare without regard to case; plain ASCII, the usual case, needs no UTF-16 detour.
QByteArray fold(QByteArrayView name) {
    for (const char c : name) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return QString::fromUtf8(name).toCaseFolded().toUtf8();
    }
    return name.toByteArray().toLower();
}

// FNV-1a of fold(name), without making the copy for plain ASCII.
quint64 nameHash(QByteArrayView name) {
    const bool ascii = std::all_of(name.begin(), name.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const QByteArray folded = ascii ? QByteArray() : fold(name);
    quint64 h = 14695981039346656037ull;
    for (const char c : ascii ? name : QByteArrayView(folded))
        h = (h ^ static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c)) * 1099511628211ull;
    // FNV's low bits are weak and the table uses them: mix (MurmurHash3's finaliser).
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdull;
    return h ^ (h >> 33);
}

QByteArray valueLine(QByteArrayView name, const QString& value) {
    return name.toByteArray() + '=' + escape(value).toUtf8();
}

} // namespace

IniText::IniText(const QByteArray& text) : text_(text) {
    sections_.push_back(Section{}); // what comes before the first section line
    std::vector<std::pair<quint64, LineRef>> names;
    for (qsizetype pos = 0; pos < text_.size();) {
        qsizetype nl = text_.indexOf('\n', pos);
        if (nl < 0)
            nl = text_.size();
        const Parsed p = parseLine(QByteArrayView(text_).sliced(pos, nl - pos));
        if (p.kind == Kind::Section || p.kind == Kind::BrokenSection) {
            sections_.back().end = pos;
            indexNames(sections_.back(), names);
            names.clear();
            Section s;
            s.begin = pos;
            s.readable = p.kind == Kind::Section;
            if (s.readable)
                byName_[fold(p.name)].push_back(int(sections_.size()));
            sections_.push_back(std::move(s));
        } else if (p.kind == Kind::Value && sections_.back().readable) {
            names.emplace_back(nameHash(p.name), pos);
        }
        pos = nl + 1;
    }
    sections_.back().end = text_.size();
    indexNames(sections_.back(), names);
}

template <typename Visit> void IniText::forEachLine(const Section& s, Visit visit) const {
    for (qsizetype pos = s.begin; pos < s.end;) {
        qsizetype nl = text_.indexOf('\n', pos);
        if (nl < 0 || nl > s.end)
            nl = s.end;
        const auto edit = edits_.find(pos);
        if (edit == edits_.end() || !edit->second.removed)
            visit(LineRef(pos));
        pos = nl + 1;
    }
    for (std::size_t k = 0; k < s.added.size(); ++k) {
        if (!s.addedRemoved[k])
            visit(~LineRef(k));
    }
}

QByteArray IniText::lineText(const Section& s, LineRef line) const {
    if (line < 0)
        return s.added[std::size_t(~line)];
    const auto edit = edits_.find(qsizetype(line));
    if (edit != edits_.end())
        return edit->second.text;
    qsizetype nl = text_.indexOf('\n', qsizetype(line));
    if (nl < 0)
        nl = text_.size();
    return text_.mid(qsizetype(line), nl - qsizetype(line));
}

void IniText::setLine(Section& s, LineRef line, QByteArray text) {
    if (line < 0)
        s.added[std::size_t(~line)] = std::move(text);
    else
        edits_[qsizetype(line)] = Edit{false, std::move(text)};
}

void IniText::removeLine(Section& s, LineRef line) {
    if (line < 0)
        s.addedRemoved[std::size_t(~line)] = true;
    else
        edits_[qsizetype(line)] = Edit{true, {}};
}

template <typename Folded>
IniText::Slot* IniText::place(Section& s, quint64 hash, Folded folded, bool add) {
    const std::size_t mask = s.names.size() - 1;
    const auto check = quint32(hash >> 32);
    QByteArray wanted;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot& slot = s.names[i];
        if (slot.count == 0) {
            if (!add)
                return nullptr;
            slot.check = check;
            ++s.filled;
            return &slot;
        }
        if (slot.count < 0 || slot.check != check)
            continue;
        if (wanted.isNull())
            wanted = folded();
        if (fold(parseLine(lineText(s, slot.line)).name) == wanted)
            return &slot;
    }
}

void IniText::indexNames(Section& s, const std::vector<std::pair<quint64, LineRef>>& names) {
    std::size_t size = 16;
    while (size < names.size() * 2)
        size *= 2;
    s.names.assign(size, Slot{});
    s.filled = 0;
    for (const auto& [hash, line] : names) {
        Slot* slot = place(
            s, hash, [&] { return fold(parseLine(lineText(s, line)).name); }, true);
        slot->line = line;
        ++slot->count;
    }
}

IniText::Slot* IniText::findName(Section& s, QByteArrayView name, bool add) {
    if (add && (s.filled + 1) * 4 > s.names.size() * 3) {
        std::vector<Slot> old(std::max<std::size_t>(16, s.names.size() * 2));
        old.swap(s.names);
        s.filled = 0;
        for (const Slot& o : old) {
            if (o.count <= 0)
                continue; // free, or a name that went
            const quint64 hash = nameHash(parseLine(lineText(s, o.line)).name);
            *place(
                s, hash, [] { return QByteArray("\n"); }, true) = o; // no name has a newline
        }
    }
    if (s.names.empty())
        return nullptr;
    return place(
        s, nameHash(name), [&] { return fold(name); }, add);
}

bool IniText::find(const QByteArray& section, QByteArrayView name, int* sectionOut,
                   LineRef* lineOut) const {
    const auto it = byName_.constFind(section);
    if (it == byName_.cend())
        return false;
    bool found = false;
    for (const int si : *it) { // in file order: the last that has the name wins
        auto& s = const_cast<Section&>(sections_[std::size_t(si)]);
        if (const Slot* slot = const_cast<IniText*>(this)->findName(s, name, false)) {
            *sectionOut = si;
            *lineOut = slot->line;
            found = true;
        }
    }
    return found;
}

std::optional<QString> IniText::read(const QString& section, const QString& name) const {
    int si = 0;
    LineRef line = 0;
    if (!find(fold(section.toUtf8()), name.toUtf8(), &si, &line))
        return std::nullopt;
    const QByteArray text = lineText(sections_[std::size_t(si)], line);
    return unescape(QString::fromUtf8(parseLine(text).value));
}

void IniText::removeOtherSpellings(int keep, LineRef keepLine, const QByteArray& section,
                                   const QByteArray& name) {
    const QByteArray folded = fold(name);
    for (const int si : byName_.value(section)) {
        Section& s = sections_[std::size_t(si)];
        Slot* slot = findName(s, name, false);
        if (!slot || (si == keep && slot->count == 1))
            continue;
        std::vector<LineRef> drop;
        forEachLine(s, [&](LineRef line) {
            const QByteArray text = lineText(s, line);
            const Parsed p = parseLine(text);
            if (p.kind == Kind::Value && !(si == keep && line == keepLine) &&
                fold(p.name) == folded)
                drop.push_back(line);
        });
        for (const LineRef line : drop)
            removeLine(s, line);
        if (si == keep) {
            slot->line = keepLine;
            slot->count = 1;
        } else {
            slot->count = -1;
        }
    }
}

void IniText::write(const QString& section, const QString& name, const QString& value) {
    const QByteArray foldedSection = fold(section.toUtf8());
    const QByteArray utf8 = name.toUtf8();
    int si = 0;
    LineRef line = 0;
    if (find(foldedSection, utf8, &si, &line)) {
        Section& s = sections_[std::size_t(si)];
        const QByteArray old = lineText(s, line);
        setLine(s, line, valueLine(parseLine(old).name, value));
        removeOtherSpellings(si, line, foldedSection, utf8);
        return;
    }
    std::vector<int>& named = byName_[foldedSection];
    if (named.empty()) {
        Section s;
        s.begin = s.end = text_.size();
        s.readable = true;
        if (!text_.isEmpty() || sections_.size() > 1) {
            s.added.push_back({});
            s.addedRemoved.push_back(false);
        }
        s.added.push_back('[' + section.toUtf8() + ']');
        s.addedRemoved.push_back(false);
        named.push_back(int(sections_.size()));
        sections_.push_back(std::move(s));
    }
    Section& s = sections_[std::size_t(named.back())];
    s.added.push_back(valueLine(utf8, value));
    s.addedRemoved.push_back(false);
    Slot* slot = findName(s, utf8, true);
    slot->line = ~LineRef(s.added.size() - 1);
    slot->count = 1;
}

void IniText::deleteSection(const QString& section) {
    const auto it = byName_.find(fold(section.toUtf8()));
    if (it == byName_.end())
        return;
    for (const int si : *it)
        sections_[std::size_t(si)].removed = true;
    byName_.erase(it);
}

QByteArray IniText::text() const {
    QByteArray out;
    out.reserve(text_.size() + 256);
    const auto copy = [&](qsizetype from, qsizetype to) {
        out.append(text_.constData() + from, to - from);
    };
    for (const Section& s : sections_) {
        if (s.removed)
            continue;
        // Unchanged lines go over in runs; only edited ones are looked at.
        const qsizetype before = out.size();
        qsizetype pos = s.begin;
        for (auto e = edits_.lower_bound(s.begin); e != edits_.end() && e->first < s.end; ++e) {
            copy(pos, e->first);
            qsizetype nl = text_.indexOf('\n', e->first);
            pos = nl < 0 || nl >= s.end ? s.end : nl + 1;
            if (!e->second.removed)
                out += e->second.text + '\n';
        }
        copy(pos, s.end);
        if (out.size() > before && !out.endsWith('\n'))
            out += '\n';
        for (std::size_t k = 0; k < s.added.size(); ++k) {
            if (!s.addedRemoved[k])
                out += s.added[k] + '\n';
        }
    }
    return out;
}

} // namespace vok
