#include "presentation/FoundInstallSnapshot.h"

#include "model/PluginInstall.h"
#include "model/PluginRecord.h"

#include <QTimeZone>

bool FoundInstallSnapshot::Install::sameAs(const PluginInstall& other) const
{
    // Equal instants give equal row dates, whatever their time specs.
    return install == &other && fileSize == other.fileSize() && format == other.format() &&
           architecture == other.architecture() && platform == other.platform() && version == other.version() &&
           bundleID == other.bundleID() && filePath == other.filePath() && dateModified == other.dateModified() &&
           installDate == other.installDate();
}

bool FoundInstallSnapshot::matches(const QList<PluginRecord*>& records) const
{
    // Row dates are UTC days of local times: another zone may give other rows.
    if (!m_taken || m_zoneId != QTimeZone::systemTimeZoneId())
        return false;
    std::size_t recordAt = 0;
    std::size_t installAt = 0;
    for (const PluginRecord* record : records) {
        if (!record)
            continue;
        if (recordAt == m_records.size())
            return false;
        const Record& kept = m_records[recordAt++];
        if (kept.record != record || kept.name != record->name() || kept.publisher != record->publisher())
            return false;
        qsizetype found = 0;
        for (const PluginInstall* install : record->installs()) {
            if (!install->isFound())
                continue;
            if (installAt == m_installs.size() || !m_installs[installAt++].sameAs(*install))
                return false;
            ++found;
        }
        if (found != kept.foundInstalls)
            return false;
    }
    return recordAt == m_records.size() && installAt == m_installs.size();
}

void FoundInstallSnapshot::take(const QList<PluginRecord*>& records)
{
    m_taken = true;
    m_zoneId = QTimeZone::systemTimeZoneId();
    m_records.clear();
    m_installs.clear();
    m_records.reserve(std::size_t(records.size()));
    m_installs.reserve(std::size_t(records.size()) * 2);
    for (const PluginRecord* record : records) {
        if (!record)
            continue;
        Record& kept = m_records.emplace_back(Record{record, record->name(), record->publisher(), 0});
        for (const PluginInstall* install : record->installs()) {
            if (!install->isFound())
                continue;
            ++kept.foundInstalls;
            m_installs.push_back(Install{install, install->version(), install->bundleID(), install->filePath(),
                                         install->fileSize(), install->dateModified(), install->installDate(),
                                         install->format(), install->architecture(), install->platform()});
        }
    }
}
