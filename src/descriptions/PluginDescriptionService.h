#pragma once

#include "descriptions/PluginDescriptionEntry.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

// The read-only description catalogue shipped inside the program, matched leniently against the
// names found on disk. Loaded once; a failed load leaves it empty for good.
class PluginDescriptionService
{
public:
    // Receives each diagnostic line, without its line feed.
    using LineSink = std::function<void(const QString& line)>;

    [[nodiscard]] static QString bundledResourcePath();

    // The process-wide instance; the first call loads the bundled catalogue.
    [[nodiscard]] static const PluginDescriptionService& shared();

    // A resource or file path, or raw bytes, in place of the bundled catalogue.
    [[nodiscard]] static PluginDescriptionService fromResource(const QString& path,
                                                               const LineSink& sink = writeToStandardOutput);
    [[nodiscard]] static PluginDescriptionService fromBytes(const QByteArray& json,
                                                            const LineSink& sink = writeToStandardOutput);

    [[nodiscard]] std::optional<PluginDescriptionEntry>
    lookup(const QString& name, const std::optional<QString>& publisher = std::nullopt) const;

    [[nodiscard]] const QMap<QString, PluginDescriptionEntry>& catalog() const { return m_catalog; }

    // Lower-cased, keeping only letters, marks and digits: "Pro-Q 3" and "pro q3" both give "proq3".
    [[nodiscard]] static QString normalized(QStringView text);

    // One line on standard output, flushed at once.
    static void writeToStandardOutput(const QString& line);

private:
    // A key with its comparison forms, worked out once at load instead of on every lookup.
    struct IndexedKey {
        QString key;
        QString lowered;
        QString normalized;
        qsizetype characters = 0;
        PluginDescriptionEntry entry;
    };

    PluginDescriptionService() = default;

    void load(const QByteArray& json, const LineSink& sink);
    // Whether `candidate` wins over `best` (an index or -1): fewer characters, then sorted order.
    [[nodiscard]] bool isShorter(qsizetype candidate, qsizetype best) const;
    [[nodiscard]] std::optional<PluginDescriptionEntry> entryAt(qsizetype index) const;
    [[nodiscard]] std::optional<PluginDescriptionEntry> shortestPrefixedBy(const QString& lowered) const;

    QMap<QString, PluginDescriptionEntry> m_catalog;
    std::vector<IndexedKey> m_keys; // in m_catalog's (sorted) order, which settles ties between equal lengths
    // Indices into m_keys, so that a lookup never scans them all: the cards of a list ask again
    // on every search or filter change.
    QHash<QString, qsizetype> m_firstByLowered;
    QHash<QString, qsizetype> m_shortestByNormalized;
    std::vector<qsizetype> m_byLowered; // sorted by lower-cased key: each prefix is one run
};
