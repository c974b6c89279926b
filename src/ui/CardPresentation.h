#pragma once

#include "model/PluginRecord.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// What a plug-in card and its detail show, worked out from the group and its record; the rules
// the command line shares are CardTexts'.
class CardPresentation : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit CardPresentation(QObject* parent = nullptr);

    // The shipped description's category, else the record's, else "Effect".
    [[nodiscard]] Q_INVOKABLE static QString subtitleText(const QString& name, const QString& publisher,
                                                          const QString& recordCategory);
    [[nodiscard]] Q_INVOKABLE static QString categoryText(const QString& name, const QString& publisher,
                                                          const QString& recordCategory);
    // The shipped description, else the bundle's own; empty when neither exists.
    [[nodiscard]] Q_INVOKABLE static QString aboutText(const QString& name, const QString& publisher,
                                                       const QString& bundleDescription);
    // The first four formats get a badge; the rest are counted as "+n".
    [[nodiscard]] Q_INVOKABLE static QStringList badgeFormats(const QStringList& formats);
    [[nodiscard]] Q_INVOKABLE static QString overflowText(const QStringList& formats);
    // Intel code and no Apple Silicon code.
    [[nodiscard]] Q_INVOKABLE static bool showsRosetta(const QStringList& architectures);
    // A found install built for Windows: it runs through Wine or a bridge.
    [[nodiscard]] Q_INVOKABLE static bool hasWindowsInstall(const PluginRecord* record);
    [[nodiscard]] Q_INVOKABLE static QString outdatedTooltip(const QString& publisher);
    // What a screen reader says after the card's name: "u-he, AU, VST3, 1.2 GB, 22-Nov-2026",
    // with "no size" and "no date" for what is missing.
    [[nodiscard]] Q_INVOKABLE static QString accessibleSummary(const QString& publisher, const QStringList& formats,
                                                               const QString& totalSize, const QString& dated);
    // One map per install: found before not found, then AU, VST, VST3, AAX, CLAP, then stored
    // order. Keys: format, architecture, notFound, sizeText, filePath, bundleID, version,
    // installed, modified.
    [[nodiscard]] Q_INVOKABLE static QVariantList orderedInstalls(const PluginRecord* record);
    // Every install of the record's group: the card's record first, then each other record whose
    // name groups with it and that has a found install, by name and publisher. The maps are
    // orderedInstalls' with one more key, heading: "Name \u2014 Publisher" on the first install
    // of each record when the group spans several, else empty.
    [[nodiscard]] Q_INVOKABLE static QVariantList groupInstalls(const PluginRecord* record);
    [[nodiscard]] static QList<const PluginRecord*> groupRecords(const PluginRecord* record);
    // Character by character.
    [[nodiscard]] Q_INVOKABLE static QStringList sortedTagNames(const PluginRecord* record);
};
