#include "cli/PluginLookup.h"

#include "presentation/LibraryViewModel.h"

#include <QStringList>

#include <functional>

namespace {

constexpr qsizetype suggestionLimit = 10;

struct Candidate {
    const PluginGroup* group;
    PluginRecord* record;
};

QList<Candidate> candidates(const LibraryViewModel& model,
                            const std::function<bool(const QString&)>& matches) {
    QList<Candidate> found;
    for (const LibrarySection& section : model.sections())
        for (const PluginGroup& group : section.groups)
            if (PluginRecord* record = model.recordLookup().value(group.id); record && matches(group.name))
                found.append({&group, record});
    return found;
}

QString names(const QList<Candidate>& found) {
    QStringList list;
    for (const Candidate& candidate : found.mid(0, suggestionLimit))
        list.append(candidate.group->name);
    if (found.size() > suggestionLimit)
        list.append(QStringLiteral("and %1 more").arg(found.size() - suggestionLimit));
    return list.join(QStringLiteral(", "));
}

} // namespace

PluginLookup::PluginLookup(const LibraryViewModel& model, const QString& name) {
    QList<Candidate> found = candidates(
        model, [&](const QString& groupName) { return groupName.compare(name, Qt::CaseInsensitive) == 0; });
    if (found.isEmpty())
        found = candidates(model, [&](const QString& groupName) {
            return !name.isEmpty() && groupName.startsWith(name, Qt::CaseInsensitive);
        });
    if (found.size() == 1) {
        m_group = *found.first().group;
        m_record = found.first().record;
        return;
    }
    if (found.size() > 1) {
        m_error = QStringLiteral("\"%1\" names %2 plug-ins: %3. Give the full name.")
                      .arg(name, QString::number(found.size()), names(found));
        return;
    }
    m_error = QStringLiteral("no plug-in is named \"%1\".").arg(name);
    const QList<Candidate> similar = candidates(model, [&](const QString& groupName) {
        return !name.isEmpty() && groupName.contains(name, Qt::CaseInsensitive);
    });
    if (!similar.isEmpty())
        m_error += QStringLiteral(" Names containing it: %1.").arg(names(similar));
}
