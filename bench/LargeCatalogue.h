#pragma once

// A catalogue of 10,000 installs in 5,000 plug-ins, the size of a large studio's collection, with
// 40 measured content libraries.

#include "model/CatalogStore.h"

#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

#include <array>
#include <memory>

inline constexpr int pluginCount = 5'000;

class LargeCatalogue {
public:
    // In a temporary folder, or at `path` when given (saved, for a program that opens it).
    explicit LargeCatalogue(const QString& path = {})
    {
        QString error;
        m_path = path.isEmpty() ? m_dir.filePath(QStringLiteral("catalog.sqlite")) : path;
        m_store = CatalogStore::open(m_path, &error);
        if (!m_store)
            qFatal("%s", qPrintable(error));
        m_store->setAutosaveEnabled(false);
        fill();
        if (!path.isEmpty() && !m_store->save())
            qFatal("The catalogue could not be saved");
    }

    [[nodiscard]] QString path() const { return m_path; }
    // Closes the catalogue, for another program to open it.
    void close() { m_store.reset(); }

    [[nodiscard]] QList<PluginRecord*> records() const { return m_store->records(); }
    [[nodiscard]] QList<ContentLibraryFolder*> folders() const { return m_store->contentFolders(); }
    [[nodiscard]] QList<ContentLibraryItem*> items() const { return m_store->contentItems(); }

private:
    void fill()
    {
        static constexpr std::array publishers{"FabFilter", "Valhalla DSP", "Native Instruments", "u-he", "Soundtoys",
                                               "Arturia", "Waves", "iZotope", "Eventide", "Slate Digital",
                                               "Plugin Alliance", "Universal Audio", "Spectrasonics", "Xfer Records",
                                               "Tokyo Dawn Labs", "Goodhertz", "Kilohearts", "Baby Audio",
                                               "Cherry Audio", "Softube"};
        static constexpr std::array words{"Pro", "Vintage", "Tape", "Echo", "Room", "Plate", "Spring", "Bus",
                                          "Comp", "Limiter", "Saturator", "Phaser", "Chorus", "Filter", "Synth",
                                          "Keys", "Drums", "Bass", "Strings", "Pad"};
        static constexpr std::array formats{PluginFormat::au, PluginFormat::vst3, PluginFormat::clap,
                                            PluginFormat::vst, PluginFormat::aax};
        static constexpr std::array architectures{PluginArchitecture::universal, PluginArchitecture::arm64,
                                                  PluginArchitecture::x86_64, PluginArchitecture::unknown};
        const qint64 start = QDateTime(QDate(2019, 1, 1), QTime(9, 0), Qt::UTC).toMSecsSinceEpoch();
        for (int i = 0; i < pluginCount; ++i) {
            const QString name = QStringLiteral("%1 %2 %3")
                                     .arg(QLatin1StringView(words[std::size_t(i) % words.size()]),
                                          QLatin1StringView(words[std::size_t(i / 20) % words.size()]))
                                     .arg(i);
            auto* record = m_store->insert(
                new PluginRecord(name, QLatin1StringView(publishers[std::size_t(i) % publishers.size()])));
            record->setDisplayVersion(QStringLiteral("1.%1").arg(i % 10));
            if (i % 3 != 0)
                record->setCategory(QLatin1StringView(words[std::size_t(i * 7) % words.size()]));
            for (int copy = 0; copy < 2; ++copy) {
                const PluginFormat format = formats[std::size_t(i + copy) % formats.size()];
                auto* install = m_store->insert(new PluginInstall(
                    QStringLiteral("/Library/Audio/Plug-Ins/%1/%2.%3").arg(rawValue(format), name, rawValue(format)),
                    format));
                install->setBundleID(QStringLiteral("com.example.plugin%1").arg(i));
                install->setVersion(QStringLiteral("1.%1.%2").arg(i % 10).arg(copy));
                install->setArchitecture(architectures[std::size_t(i) % architectures.size()]);
                install->setFileSize(1'000'000 + qint64(i) * 4'321 + copy);
                // Loaded dates are local times, as the store reads them back.
                const qint64 offset = qint64(i % 1'500) * 86'400'000 + copy * 3'600'000;
                install->setDateModified(QDateTime::fromMSecsSinceEpoch(start + offset));
                install->setInstallDate(QDateTime::fromMSecsSinceEpoch(start + offset - 86'400'000));
                install->setGroup(record);
            }
        }
        for (int i = 0; i < 40; ++i) {
            auto* item = m_store->insert(new ContentLibraryItem);
            item->setName(QStringLiteral("Library %1").arg(i));
            item->setPublisher(QLatin1StringView(publishers[std::size_t(i) % publishers.size()]));
            item->setTotalBytes(qint64(i + 1) * 1'000'000'000);
        }
    }

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<CatalogStore> m_store;
};

