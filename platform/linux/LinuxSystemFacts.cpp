#include "platform/linux/LinuxSystemFacts.h"
#include <QRegularExpression>
#include <cerrno>
#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>
#include <vector>

namespace vok {

QString fullNameFromGecos(const QByteArray& gecos) {
    const qsizetype comma = gecos.indexOf(',');
    return QString::fromUtf8(comma < 0 ? gecos : gecos.left(comma)).trimmed();
}

int processorTypeOf(const QByteArray& machine) {
    if (machine == "i386")
        return 386;
    if (machine == "i486")
        return 486;
    static const QRegularExpression x86(R"(^(i[5-9]86|x86_64|amd64|x86)$)");
    return x86.match(QString::fromLatin1(machine)).hasMatch() ? 586 : 0;
}

OsVersion kernelVersionOf(const QByteArray& release) {
    // A missing minor or patch number counts as 0; a number too large for 32 bits is no version.
    static const QRegularExpression numbers(R"(^(\d+)(?:\.(\d+))?(?:\.(\d+))?)");
    const QRegularExpressionMatch m = numbers.match(QString::fromLatin1(release));
    if (!m.hasMatch())
        return {};
    quint32 parts[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        bool ok = true;
        if (m.hasCaptured(i + 1))
            parts[i] = m.captured(i + 1).toUInt(&ok);
        if (!ok)
            return {};
    }
    return {parts[0], parts[1], parts[2], true};
}

QString LinuxSystemFacts::ownerName() {
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? size_t(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    while (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE &&
           buffer.size() < (1u << 20))
        buffer.resize(buffer.size() * 2);
    if (!found || !found->pw_gecos)
        return {};
    return fullNameFromGecos(QByteArray(found->pw_gecos));
}

int LinuxSystemFacts::processorType() {
    utsname u{};
    return uname(&u) == 0 ? processorTypeOf(QByteArray(u.machine)) : 0;
}

OsVersion LinuxSystemFacts::osVersion() {
    utsname u{};
    return uname(&u) == 0 ? kernelVersionOf(QByteArray(u.release)) : OsVersion{};
}

} // namespace vok
