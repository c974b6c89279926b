#pragma once

#include "discovery/ScannedPlugin.h"
#include "model/CatalogStore.h"
#include "model/Diagnostics.h"
#include "store/UpsertCoordinator.h"
#include "support/RawDatabase.h"
#include "support/TemporaryCatalogue.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

inline void PrintTo(const UpsertSummary& s, std::ostream* out) {
    *out << "{created " << s.recordsCreated << ", installs " << s.installsCreated << ", notFound "
         << s.installsMarkedNotFound << ", foundAgain " << s.installsFoundAgain << ", consolidated "
         << s.recordsConsolidated << '}';
}

// A catalogue in a temporary folder, with the diagnostics of each test caught in a file.
class UpsertFixture : public TemporaryCatalogue {
protected:
    void SetUp() override {
        m_diagnostics = std::tmpfile();
        ASSERT_TRUE(m_diagnostics);
        Diagnostics::setStream(m_diagnostics);
        TemporaryCatalogue::SetUp();
    }

    void TearDown() override {
        m_store.reset();
        Diagnostics::setStream(nullptr);
        if (m_diagnostics)
            std::fclose(m_diagnostics);
    }

    PluginRecord* addRecord(const QString& name, const QString& publisher) {
        return m_store->insert(new PluginRecord(name, publisher));
    }

    PluginInstall* addInstall(PluginRecord* record, const QString& filePath,
                              PluginFormat format = PluginFormat::vst3, const QString& version = {},
                              InstallStatus status = InstallStatus::found) {
        auto* install = m_store->insert(new PluginInstall(filePath, format));
        install->setVersion(version);
        install->setStatus(status);
        install->setGroup(record);
        return install;
    }

    // The one record of that name, or a failure.
    PluginRecord* recordNamed(const QString& name) {
        const QList<PluginRecord*> found = store().fetch<PluginRecord>("name", name);
        EXPECT_EQ(found.size(), 1) << name.toStdString();
        return found.value(0);
    }

    // Several installs at distinct paths, to give a record a score.
    void addInstalls(PluginRecord* record, int count, const QString& folder) {
        for (int i = 0; i < count; ++i)
            addInstall(record, QStringLiteral("%1/Plugin%2.vst3").arg(folder).arg(i));
    }

    static ScannedPlugin scanned(const QString& name, const QString& publisher, const QString& filePath,
                                 PluginFormat format = PluginFormat::vst3,
                                 const QString& version = QStringLiteral("1.0")) {
        ScannedPlugin plugin;
        plugin.name = name;
        plugin.publisher = publisher;
        plugin.version = version;
        plugin.format = format;
        plugin.architecture = PluginArchitecture::universal;
        plugin.filePath = filePath;
        plugin.bundleID = QStringLiteral("com.example.") + name.simplified().remove(u' ');
        plugin.fileSize = 1000;
        plugin.dateModified = QDateTime(QDate(2026, 12, 5), QTime(10, 0), Qt::UTC);
        plugin.installDate = QDateTime(QDate(2025, 3, 17), QTime(8, 30), Qt::UTC);
        return plugin;
    }

    [[nodiscard]] StoreResult upsert(const QList<ScannedPlugin>& plugins, UpsertSummary* summary = nullptr) {
        return UpsertCoordinator().upsert(plugins, *m_store, summary);
    }

    // Every diagnostic line printed so far.
    QStringList diagnosticLines() {
        std::fflush(m_diagnostics);
        std::rewind(m_diagnostics);
        QByteArray bytes;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, m_diagnostics)) > 0;)
            bytes.append(buffer, qsizetype(n));
        std::fseek(m_diagnostics, 0, SEEK_END);
        return QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts);
    }

    std::FILE* m_diagnostics = nullptr;
};
