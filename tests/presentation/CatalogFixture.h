#pragma once

#include "support/TemporaryCatalogue.h"

#include <QDateTime>
#include <QLocale>

#include <cstdlib>
#include <ctime>

// A catalogue in a temporary folder, filled from code, under a fixed locale (US English) and
// time zone (UTC) so that date and size texts can be pinned. Nothing is saved.
class CatalogFixture : public TemporaryCatalogue {
protected:
    void SetUp() override
    {
        m_savedTimeZone = qgetenv("TZ");
        m_hadTimeZone = qEnvironmentVariableIsSet("TZ");
        qputenv("TZ", "UTC");
        tzset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        TemporaryCatalogue::SetUp();
    }

    void TearDown() override
    {
        m_store.reset();
        QLocale::setDefault(QLocale::system());
        if (m_hadTimeZone)
            qputenv("TZ", m_savedTimeZone);
        else
            qunsetenv("TZ");
        tzset();
    }

    static QDateTime at(int year, int month, int day, int hour = 12, int minute = 0, int second = 0)
    {
        return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
    }

    PluginRecord* addRecord(const QString& name, const QString& publisher, const QString& category = {},
                            const QString& displayVersion = {})
    {
        auto* record = m_store->insert(new PluginRecord(name, publisher));
        record->setCategory(category);
        record->setDisplayVersion(displayVersion);
        return record;
    }

    struct InstallSpec {
        PluginFormat format = PluginFormat::au;
        PluginArchitecture architecture = PluginArchitecture::arm64;
        qint64 fileSize = 1'000'000;
        QDateTime dateModified = at(2024, 3, 10);
        QDateTime installDate = at(2024, 3, 10);
        InstallStatus status = InstallStatus::found;
        QString version = QStringLiteral("1.0");
        QString bundleID;
        QString filePath;
    };

    PluginInstall* addInstall(PluginRecord* record, const InstallSpec& bundleSpec)
    {
        const QString path = bundleSpec.filePath.isEmpty()
                                 ? QStringLiteral("/Library/Audio/Plug-Ins/%1/%2.%3")
                                       .arg(rawValue(bundleSpec.format), record->name(), rawValue(bundleSpec.format).toLower())
                                 : bundleSpec.filePath;
        auto* install = m_store->insert(new PluginInstall(path, bundleSpec.format));
        install->setArchitecture(bundleSpec.architecture);
        install->setFileSize(bundleSpec.fileSize);
        install->setDateModified(bundleSpec.dateModified);
        install->setInstallDate(bundleSpec.installDate);
        install->setStatus(bundleSpec.status);
        install->setVersion(bundleSpec.version);
        install->setBundleID(bundleSpec.bundleID.isEmpty() ? QStringLiteral("com.example.") + record->name().toLower()
                                                     : bundleSpec.bundleID);
        install->setGroup(record);
        return install;
    }

    PluginInstall* addInstall(PluginRecord* record, PluginFormat format,
                              PluginArchitecture architecture = PluginArchitecture::arm64)
    {
        InstallSpec bundleSpec;
        bundleSpec.format = format;
        bundleSpec.architecture = architecture;
        return addInstall(record, bundleSpec);
    }

    Tag* addTag(PluginRecord* record, const QString& name)
    {
        for (Tag* tag : m_store->tags()) {
            if (tag->name() == name) {
                record->addTag(tag);
                return tag;
            }
        }
        auto* tag = m_store->insert(new Tag(name));
        record->addTag(tag);
        return tag;
    }

    QList<PluginRecord*> records() const { return m_store->records(); }

private:
    QByteArray m_savedTimeZone;
    bool m_hadTimeZone = false;
};
