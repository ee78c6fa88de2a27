#include "platform/linux/DpkgText.h"

namespace vok {

namespace {

// Lines without their ending; a last line without newline counts.
template <typename F> void forEachLine(QByteArrayView text, F f) {
    while (!text.isEmpty()) {
        const qsizetype end = text.indexOf('\n');
        const QByteArrayView line = end < 0 ? text : text.first(end);
        if (!f(line))
            return;
        text = end < 0 ? QByteArrayView() : text.sliced(end + 1);
    }
}

bool startsWithNoCase(QByteArrayView text, QByteArrayView prefix) {
    return text.size() >= prefix.size() &&
           text.first(prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the mark a copyright statement begins with: the word "Copyright", "(C)" or "©".
qsizetype markAt(QByteArrayView s) {
    if (startsWithNoCase(s, "copyright") && (s.size() == 9 || !isLetter(s[9])))
        return 9;
    if (startsWithNoCase(s, "(c)"))
        return 3;
    return s.startsWith("\xc2\xa9") ? 2 : 0;
}

struct Marked {
    QByteArrayView rest; // after the marks, colons and blanks
    bool strong = false; // "Copyright" or "©" among them, not only "(C)", which also numbers items
};
Marked skipMarks(QByteArrayView s) {
    Marked m;
    for (;;) {
        s = s.trimmed();
        const qsizetype mark = markAt(s);
        if (mark == 0 && !s.startsWith(':'))
            break;
        m.strong |= mark != 0 && !startsWithNoCase(s, "(c)");
        s = s.sliced(qMax<qsizetype>(mark, 1));
    }
    m.rest = s;
    return m;
}

bool namesYear(QByteArrayView s) {
    for (qsizetype i = 0; i + 4 <= s.size(); ++i) {
        const bool alone =
            (i == 0 || !isDigit(s[i - 1])) && (i + 4 == s.size() || !isDigit(s[i + 4]));
        if (alone && (s.sliced(i, 2) == "19" || s.sliced(i, 2) == "20") && isDigit(s[i + 2]) &&
            isDigit(s[i + 3]))
            return true;
    }
    return false;
}

// After the marks, the years and a "by": a word that is no common word of licence texts
// ("Copyright notice", "(c) You must retain", "COPYRIGHT STATEMENTS AND ...").
bool namesHolder(QByteArrayView s) {
    s = skipMarks(s).rest;
    while (!s.isEmpty() && !isLetter(s.front())) {
        if (s.front() == '{' || s.front() == '[') // a template's "{yyyy} {name of owner}"
            return false;
        s = s.sliced(1);
    }
    if (startsWithNoCase(s, "by "))
        s = s.sliced(3).trimmed();
    qsizetype end = 0;
    while (end < s.size() && isLetter(s[end]))
        ++end;
    if (end == 0)
        return false;
    static const char* const notHolders[] = {
        "above",     "and",        "assignment",  "below", "file", "files", "for",     "holder",
        "holders",   "in",         "information", "is",    "law",  "laws",  "licence", "license",
        "licensing", "notice",     "notices",     "of",    "on",   "owner", "owners",  "see",
        "statement", "statements", "status",      "this",  "to",   "year",  "years",   "you"};
    for (const char* word : notHolders)
        if (s.first(end).compare(QByteArrayView(word), Qt::CaseInsensitive) == 0)
            return false;
    return true;
}

qsizetype indentOf(QByteArrayView line) {
    qsizetype n = 0;
    while (n < line.size() && (line[n] == ' ' || line[n] == '\t'))
        ++n;
    return n;
}

// Whether `line` starts a statement rather than going on with the sentence of `previous`.
bool beginsStatement(QByteArrayView previous, QByteArrayView line) {
    const QByteArrayView p = previous.trimmed();
    return p.isEmpty() || QByteArrayView(".:;!?").contains(p.back()) ||
           indentOf(previous) != indentOf(line);
}

// The statement that begins with lines[at] (from `from` in it): it goes on over the following
// lines while it ends in a comma or has named no holder yet ("Copyright (C) 1986, ..., 2019"
// with "Free Software Foundation, Inc." on the next line), up to a blank line or another mark.
QByteArray statementAt(const std::vector<QByteArrayView>& lines, size_t at, qsizetype from) {
    constexpr size_t kMaxLines = 5;
    QByteArray out = lines[at].sliced(from).trimmed().toByteArray();
    for (size_t i = at + 1; i < lines.size() && i < at + kMaxLines; ++i) {
        const QByteArrayView next = lines[i].trimmed();
        if ((!out.endsWith(',') && namesHolder(out)) || next.isEmpty() || markAt(next) != 0)
            break;
        out += ' ' + next.toByteArray();
    }
    return out.simplified();
}

// The mark of a statement inside `line` ("GNU Binutils is Copyright (C) 1990-2023 ..."), or -1;
// "... are copyright:" heads what follows.
qsizetype markInside(QByteArrayView line) {
    const QByteArray lower = line.toByteArray().toLower();
    for (qsizetype at = lower.indexOf("copyright"); at >= 0;
         at = lower.indexOf("copyright", at + 1))
        if (at > 0 && !isLetter(lower[at - 1]) && markAt(line.sliced(at)) != 0 &&
            !line.sliced(at + 9).trimmed().startsWith(':'))
            return at;
    return -1;
}

// "Copyright: 2004 A" and "2004 A" read "Copyright 2004 A"; "(C) 2004 A" stays.
QByteArray withMark(QByteArray s) {
    if (startsWithNoCase(s, "copyright:"))
        s = s.sliced(10).trimmed();
    return markAt(s) != 0 ? s : "Copyright " + s;
}

} // namespace

QByteArray DpkgPackage::listName() const {
    return multiArch == "same" && !architecture.isEmpty() ? name + ':' + architecture : name;
}

std::vector<DpkgPackage> parseDpkgStatus(QByteArrayView text) {
    std::vector<DpkgPackage> out;
    DpkgPackage current;
    const auto finish = [&] {
        if (!current.name.isEmpty())
            out.push_back(std::move(current));
        current = {};
    };
    forEachLine(text, [&](QByteArrayView line) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty()) {
            finish();
            return true;
        }
        // Continuation lines only extend the long description, which is not kept.
        if (line.front() == ' ' || line.front() == '\t')
            return true;
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            return true;
        const QByteArrayView field = line.first(colon);
        const std::pair<const char*, QByteArray DpkgPackage::*> fields[] = {
            {"Package", &DpkgPackage::name},           {"Architecture", &DpkgPackage::architecture},
            {"Multi-Arch", &DpkgPackage::multiArch},   {"Status", &DpkgPackage::status},
            {"Version", &DpkgPackage::version},        {"Maintainer", &DpkgPackage::maintainer},
            {"Description", &DpkgPackage::description}};
        for (const auto& [name, member] : fields)
            if (field.compare(QByteArrayView(name), Qt::CaseInsensitive) == 0)
                current.*member = line.sliced(colon + 1).trimmed().toByteArray();
        return true;
    });
    finish();
    return out;
}

QByteArray firstCopyrightStatement(QByteArrayView text) {
    std::vector<QByteArrayView> lines;
    forEachLine(text, [&](QByteArrayView line) {
        lines.push_back(line.endsWith('\r') ? line.chopped(1) : line);
        return true;
    });
    for (size_t i = 0; i < lines.size(); ++i) {
        const QByteArrayView line = lines[i];
        if (startsWithNoCase(line, "copyright:")) {
            // A field: its value on its line and the indented lines under it, where " ." is
            // a blank line. A bare "Copyright:" over free text is only a heading.
            std::vector<QByteArrayView> value{line.sliced(10)};
            for (size_t j = i + 1;
                 j < lines.size() && indentOf(lines[j]) > 0 && !lines[j].trimmed().isEmpty(); ++j)
                value.push_back(lines[j].trimmed() == "." ? QByteArrayView() : lines[j]);
            for (size_t v = 0; v < value.size(); ++v)
                if (!value[v].trimmed().isEmpty())
                    return withMark(statementAt(value, v, 0));
            continue;
        }
        // A mark that does not begin a sentence ("are also Copyright\n(C) Free Software
        // Foundation, Inc.  They are") may still begin a statement under a title.
        const bool begins = i == 0 || beginsStatement(lines[i - 1], line);
        const qsizetype start = indentOf(line);
        if (markAt(line.sliced(start)) != 0) {
            const QByteArray s = statementAt(lines, i, start);
            if (begins ? namesYear(s) || (skipMarks(s).strong && namesHolder(s))
                       : namesYear(s) && namesHolder(s))
                return withMark(s);
        } else if (const qsizetype at = begins ? markInside(line) : -1; at > 0) {
            // Inside a sentence only a full statement counts, not a mention of copyright.
            const QByteArray s = statementAt(lines, i, at);
            if (namesYear(s) && namesHolder(s))
                return s;
        }
    }
    return {};
}

} // namespace vok
