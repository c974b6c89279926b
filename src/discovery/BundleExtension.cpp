#include "discovery/BundleExtension.h"

#include <cstring>
#include <string_view>

namespace {

struct Entry {
    PluginFormat format;
    std::string_view extension;
};

constexpr Entry table[] = {
    {PluginFormat::au, "component"},  {PluginFormat::vst, "vst"},   {PluginFormat::vst3, "vst3"},
    {PluginFormat::aax, "aaxplugin"}, {PluginFormat::clap, "clap"},
};

qsizetype extensionDot(QStringView fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot > 0 && dot + 1 < fileName.size() ? dot : -1;
}

bool equalsIgnoringAsciiCase(std::string_view text, std::string_view lowerCase)
{
    if (text.size() != lowerCase.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        if (c != lowerCase[i])
            return false;
    }
    return true;
}

} // namespace

namespace BundleExtension {

QString forFormat(PluginFormat format)
{
    for (const Entry& entry : table)
        if (entry.format == format)
            return QString::fromLatin1(entry.extension.data(), qsizetype(entry.extension.size()));
    return {};
}

std::optional<PluginFormat> formatFor(QStringView extension)
{
    const QString lower = extension.toString().toLower();
    for (const Entry& entry : table)
        if (lower == QLatin1StringView(entry.extension.data(), qsizetype(entry.extension.size())))
            return entry.format;
    return std::nullopt;
}

QStringView extensionOf(QStringView fileName)
{
    const qsizetype dot = extensionDot(fileName);
    return dot < 0 ? QStringView() : fileName.mid(dot + 1);
}

QStringView removingExtension(QStringView fileName)
{
    const qsizetype dot = extensionDot(fileName);
    return dot < 0 ? fileName : fileName.left(dot);
}

std::optional<PluginFormat> formatOfName(const char* name)
{
    // The extensions are ASCII, and no other character lower-cases onto an ASCII letter in them.
    const char* dot = std::strrchr(name, '.');
    if (!dot || dot == name || dot[1] == '\0')
        return std::nullopt;
    const std::string_view extension(dot + 1);
    for (const Entry& entry : table)
        if (equalsIgnoringAsciiCase(extension, entry.extension))
            return entry.format;
    return std::nullopt;
}

} // namespace BundleExtension
