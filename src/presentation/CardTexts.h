#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class PluginInstall;
class PluginRecord;

// What a plug-in's card and detail say about it, shared by the desktop card and the command line.
namespace CardTexts {

// The shipped description's category, else the record's, else "Effect".
[[nodiscard]] QString categoryText(const QString& name, const QString& publisher,
                                   const QString& recordCategory);
// The category and the publisher, the card's second line; a plug-in with no known publisher
// (most Linux bundles) shows its category alone.
[[nodiscard]] QString subtitleText(const QString& name, const QString& publisher, const QString& recordCategory);
// The shipped description, else the bundle's own; empty when neither exists.
[[nodiscard]] QString aboutText(const QString& name, const QString& publisher,
                                const QString& bundleDescription);
// Intel code and no Apple Silicon code: the plug-in runs only under translation.
[[nodiscard]] bool showsRosetta(const QStringList& architectures);
// Every install of the record: found before not found, then AU, VST, VST3, AAX, CLAP, then
// stored order.
[[nodiscard]] QList<PluginInstall*> orderedInstalls(const PluginRecord* record);
// The record's tag names, character by character.
[[nodiscard]] QStringList sortedTagNames(const PluginRecord* record);

} // namespace CardTexts
