#include "platform/DpkgText.h"

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

bool statesCopyright(QByteArrayView line) {
    return startsWithNoCase(line, "copyright") || startsWithNoCase(line, "(c)") ||
           line.startsWith("\xc2\xa9");
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

QByteArray firstCopyrightLine(QByteArrayView text) {
    QByteArray found;
    bool fieldWithoutValue = false;
    forEachLine(text, [&](QByteArrayView line) {
        line = line.trimmed();
        if (fieldWithoutValue) {
            if (line.isEmpty())
                return false;
            found = "Copyright " + line.toByteArray();
            return false;
        }
        if (!statesCopyright(line))
            return true;
        if (startsWithNoCase(line, "copyright:")) {
            const QByteArrayView value = line.sliced(10).trimmed();
            if (value.isEmpty()) {
                fieldWithoutValue = true;
                return true;
            }
            found =
                statesCopyright(value) ? value.toByteArray() : "Copyright " + value.toByteArray();
            return false;
        }
        found = line.toByteArray();
        return false;
    });
    return found;
}

} // namespace vok
