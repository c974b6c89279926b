#include "discovery/ModuleInfoReader.h"

#include "discovery/BoundedFile.h"

// rapidjson 1.1 adds to its parse stack's pointer before the stack is first allocated, while it
// is still null (fixed upstream after Debian's release). Only that check is taken off, only for
// rapidjson's own functions, and only clang's sanitizer makes it.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((no_sanitize("pointer-overflow"))), apply_to = function)
#endif
#include <rapidjson/document.h>
#if defined(__clang__)
#pragma clang attribute pop
#endif

namespace {

// The largest real files (a few hundred classes) are well under this.
constexpr qint64 maxFileBytes = 2 * 1024 * 1024;

constexpr unsigned parseFlags = rapidjson::kParseCommentsFlag | rapidjson::kParseTrailingCommasFlag
    | rapidjson::kParseIterativeFlag | rapidjson::kParseValidateEncodingFlag;

QString text(const rapidjson::Value& object, const char* key)
{
    if (!object.IsObject())
        return {};
    const auto member = object.FindMember(key);
    if (member == object.MemberEnd() || !member->value.IsString())
        return {};
    return QString::fromUtf8(member->value.GetString(), qsizetype(member->value.GetStringLength())).trimmed();
}

const rapidjson::Value* child(const rapidjson::Value& object, const char* key)
{
    if (!object.IsObject())
        return nullptr;
    const auto member = object.FindMember(key);
    return member == object.MemberEnd() ? nullptr : &member->value;
}

QStringList subCategories(const rapidjson::Value& audioClass)
{
    QStringList categories;
    const rapidjson::Value* value = child(audioClass, "Sub Categories");
    const auto add = [&](const rapidjson::Value& item) {
        if (!item.IsString())
            return;
        const QString joined = QString::fromUtf8(item.GetString(), qsizetype(item.GetStringLength()));
        for (const QString& part : joined.split(u'|', Qt::SkipEmptyParts))
            if (!part.trimmed().isEmpty())
                categories.append(part.trimmed());
    };
    if (value && value->IsArray())
        for (const rapidjson::Value& item : value->GetArray())
            add(item);
    else if (value)
        add(*value);
    return categories;
}

QString orElse(const QString& value, const QString& fallback) { return value.isEmpty() ? fallback : value; }

} // namespace

namespace ModuleInfoReader {

std::optional<ModuleInfo> parse(const QByteArray& json)
{
    QByteArray source = json;
    if (source.startsWith("\xEF\xBB\xBF"))
        source.remove(0, 3);
    rapidjson::Document document;
    document.Parse<parseFlags>(source.constData(), size_t(source.size()));
    if (document.HasParseError() || !document.IsObject())
        return std::nullopt;

    ModuleInfo info;
    info.name = text(document, "Name");
    info.version = text(document, "Version");
    if (const rapidjson::Value* factory = child(document, "Factory Info")) {
        info.vendor = text(*factory, "Vendor");
        info.url = text(*factory, "URL");
    }
    const rapidjson::Value* classes = child(document, "Classes");
    if (!classes || !classes->IsArray())
        return info;
    for (const rapidjson::Value& entry : classes->GetArray()) {
        if (text(entry, "Category") != u"Audio Module Class")
            continue;
        ModuleInfoClass audioClass;
        audioClass.cid = text(entry, "CID");
        audioClass.name = orElse(text(entry, "Name"), info.name);
        audioClass.vendor = orElse(text(entry, "Vendor"), info.vendor);
        audioClass.version = orElse(text(entry, "Version"), info.version);
        audioClass.sdkVersion = text(entry, "SDKVersion");
        audioClass.subCategories = subCategories(entry);
        info.audioClasses.append(audioClass);
    }
    return info;
}

std::optional<ModuleInfo> read(const QString& bundlePath)
{
    for (const char* relative : {"/Contents/Resources/moduleinfo.json", "/Contents/moduleinfo.json"}) {
        BoundedFile file(bundlePath + QLatin1String(relative), maxFileBytes + 1);
        if (!file.isOpen())
            continue;
        if (file.size() > maxFileBytes)
            return std::nullopt;
        return parse(file.readUpTo(0, quint64(file.size())));
    }
    return std::nullopt;
}

} // namespace ModuleInfoReader
