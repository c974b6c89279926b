#include "discovery/ScanRoots.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace {

QStringView withoutTrailingSlashes(QStringView path)
{
    while (path.endsWith(u'/'))
        path.chop(1);
    return path;
}

QStringView withoutLeadingSlashes(QStringView path)
{
    while (path.startsWith(u'/'))
        path = path.mid(1);
    return path;
}

QString joined(QStringView base, QStringView relative)
{
    return withoutTrailingSlashes(base).toString() + u'/' + withoutLeadingSlashes(relative).toString();
}

} // namespace

QString ScanRoots::accountHome()
{
    long hint = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size_t(hint > 0 ? hint : 16384));
    for (;;) {
        passwd entry{};
        passwd* result = nullptr;
        const int status = ::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &result);
        if (status == ERANGE && buffer.size() < (1u << 20)) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (status == 0 && result && result->pw_dir && result->pw_dir[0] != '\0')
            return QFile::decodeName(result->pw_dir);
        return QDir::homePath();
    }
}

QString ScanRoots::underSystem(const QString& absolutePath) const
{
    return joined(systemRoot, absolutePath);
}

QString ScanRoots::underHome(const QString& relativePath) const
{
    return joined(home, relativePath);
}
