#include "discovery/ScanRoots.h"

#include "model/FilePathBytes.h"

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
            return FilePathBytes::decode(result->pw_dir);
        return QDir::homePath();
    }
}

ScanRoots ScanRoots::withEnvironment() const
{
    ScanRoots roots = *this;
    const std::pair<PluginFormat, const char*> variables[] = {
        {PluginFormat::vst3, "VST3_PATH"}, {PluginFormat::clap, "CLAP_PATH"},     {PluginFormat::lv2, "LV2_PATH"},
        {PluginFormat::vst, "VST_PATH"},   {PluginFormat::ladspa, "LADSPA_PATH"},
    };
    roots.environmentFolders.clear();
    for (const auto& [format, name] : variables) {
        QStringList folders;
        for (const QByteArray& piece : qgetenv(name).split(':'))
            if (!piece.isEmpty())
                folders.append(FilePathBytes::decode(piece));
        if (!folders.isEmpty())
            roots.environmentFolders.insert(format, folders);
    }
    roots.winePrefix = FilePathBytes::decode(qgetenv("WINEPREFIX"));
    return roots;
}

QString ScanRoots::underSystem(const QString& absolutePath) const
{
    return joined(systemRoot, absolutePath);
}

QString ScanRoots::underHome(const QString& relativePath) const
{
    return joined(home, relativePath);
}
