#pragma once

#include "model/PluginArchitecture.h"
#include "model/PluginFormat.h"
#include "model/PluginPlatform.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <vector>

class PluginInstall;
class PluginRecord;

// What the rows of the found installs were made from: every record's name and publisher and
// every found install's shown fields, in order, with the time zone that dated them. Telling
// whether a catalogue would give the same rows again compares field by field in place, which
// costs a fraction of making the rows and comparing those.
class FoundInstallSnapshot {
public:
    [[nodiscard]] bool matches(const QList<PluginRecord*>& records) const;
    void take(const QList<PluginRecord*>& records);

private:
    struct Record {
        const PluginRecord* record = nullptr;
        QString name;
        QString publisher;
        qsizetype foundInstalls = 0;
    };
    struct Install {
        const PluginInstall* install = nullptr;
        QString version;
        QString bundleID;
        QString filePath;
        qint64 fileSize = 0;
        QDateTime dateModified;
        QDateTime installDate;
        PluginFormat format = PluginFormat::au;
        PluginArchitecture architecture = PluginArchitecture::unknown;
        PluginPlatform platform = PluginPlatform::macOS;

        [[nodiscard]] bool sameAs(const PluginInstall& other) const;
    };

    bool m_taken = false;
    QByteArray m_zoneId;
    std::vector<Record> m_records;
    std::vector<Install> m_installs;
};
