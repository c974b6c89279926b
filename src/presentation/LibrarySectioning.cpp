#include "presentation/LibrarySectioning.h"

#include "model/CharacterClasses.h"
#include "model/PluginRecord.h"

namespace LibrarySectioning {

namespace {

const QString apple = QStringLiteral("Apple Silicon");
const QString intel = QStringLiteral("Intel 64");

} // namespace

bool codePointLess(QStringView a, QStringView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        qsizetype aUnits = 1;
        qsizetype bUnits = 1;
        const char32_t x = CharacterClasses::codePointAt(a, i, &aUnits);
        const char32_t y = CharacterClasses::codePointAt(b, j, &bUnits);
        if (x != y)
            return x < y;
        i += aUnits;
        j += bUnits;
    }
    return i == a.size() && j < b.size();
}

QString typeHeader(const PluginRecord* record)
{
    return record && !record->category().isEmpty() ? record->category() : QStringLiteral("Other");
}

QString initialHeader(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("#");
    qsizetype end = 1;
    const char32_t first = CharacterClasses::codePointAt(name, 0, &end);
    if (!QChar::isLetter(first))
        return QStringLiteral("#");
    while (end < name.size()) {
        qsizetype units = 1;
        if (!CharacterClasses::isMark(CharacterClasses::codePointAt(name, end, &units)))
            break;
        end += units;
    }
    // "E" with a combining acute and a precomposed "É" are one header.
    return name.left(end).toUpper().normalized(QString::NormalizationForm_C);
}

QString header(const PluginGroup& group, GroupingMode mode, const QHash<QString, PluginRecord*>& recordLookup)
{
    switch (mode) {
    case GroupingMode::alphabetical:
        return initialHeader(group.name);
    case GroupingMode::byPublisher:
        return group.publisher;
    case GroupingMode::byFormat:
        return group.formats.isEmpty() ? QStringLiteral("Unknown") : group.formats.join(QStringLiteral(" \u00B7 "));
    case GroupingMode::byArchitecture:
        if (group.architectures.contains(apple))
            return apple;
        if (group.architectures.contains(intel))
            return QStringLiteral("Rosetta (Intel Only)");
        // Linux and Windows builds, labelled with their platform ("ARM 64 (Linux)"); other Mac
        // architectures stay under "Unknown" as before.
        for (const QString& architecture : group.architectures)
            if (architecture.endsWith(u')'))
                return architecture;
        return QStringLiteral("Unknown");
    case GroupingMode::byType:
        return typeHeader(recordLookup.value(group.id));
    }
    return {};
}

} // namespace LibrarySectioning
