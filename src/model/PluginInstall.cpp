#include "model/PluginInstall.h"

#include "model/PluginParameter.h"
#include "model/PluginRecord.h"

PluginInstall::PluginInstall(const QString& filePath, PluginFormat format) : m_filePath(filePath), m_format(format)
{
    const QDateTime now = QDateTime::currentDateTime();
    m_dateModified = now;
    m_installDate = now;
}

PluginInstall::~PluginInstall()
{
    if (m_group)
        m_group->m_installs.removeOne(this);
    for (PluginParameter* parameter : std::as_const(m_parameters))
        parameter->m_install = nullptr;
}

void PluginInstall::setFilePath(const QString& value)
{
    assign(m_filePath, value, &PluginInstall::filePathChanged);
}

void PluginInstall::setFormat(PluginFormat value)
{
    if (assign(m_format, value, &PluginInstall::formatChanged))
        derivedValuesChanged();
}

void PluginInstall::setBundleID(const QString& value)
{
    assign(m_bundleID, value, &PluginInstall::bundleIDChanged);
}

void PluginInstall::setVersion(const QString& value)
{
    assign(m_version, value, &PluginInstall::versionChanged);
}

void PluginInstall::setArchitecture(PluginArchitecture value)
{
    assign(m_architecture, value, &PluginInstall::architectureChanged);
}

void PluginInstall::setFileSize(qint64 value)
{
    if (assign(m_fileSize, value, &PluginInstall::fileSizeChanged))
        derivedValuesChanged();
}

void PluginInstall::setDateModified(const QDateTime& value)
{
    if (assign(m_dateModified, value, &PluginInstall::dateModifiedChanged))
        derivedValuesChanged();
}

void PluginInstall::setInstallDate(const QDateTime& value)
{
    if (assign(m_installDate, value, &PluginInstall::installDateChanged))
        derivedValuesChanged();
}

void PluginInstall::setStatus(InstallStatus value)
{
    if (assign(m_status, value, &PluginInstall::statusChanged))
        derivedValuesChanged();
}

void PluginInstall::setGroup(PluginRecord* record)
{
    if (record == m_group || (record && !joinStores(record)))
        return;
    if (m_group)
        m_group->detachInstall(this);
    m_group = record;
    if (record) {
        m_groupOrder = nextSequence();
        record->attachInstall(this);
    }
    markChanged();
    Q_EMIT groupChanged();
}

void PluginInstall::setAuComponentType(const QString& value)
{
    assign(m_auComponentType, value, &PluginInstall::auComponentTypeChanged);
}

void PluginInstall::setAuComponentSubType(const QString& value)
{
    assign(m_auComponentSubType, value, &PluginInstall::auComponentSubTypeChanged);
}

void PluginInstall::setAuComponentManufacturer(const QString& value)
{
    assign(m_auComponentManufacturer, value, &PluginInstall::auComponentManufacturerChanged);
}

void PluginInstall::setPlatform(PluginPlatform value)
{
    assign(m_platform, value, &PluginInstall::platformChanged);
}

void PluginInstall::setPluginIdentifier(const QString& value)
{
    assign(m_pluginIdentifier, value, &PluginInstall::pluginIdentifierChanged);
}

void PluginInstall::setIsBridged(bool value)
{
    assign(m_isBridged, value, &PluginInstall::isBridgedChanged);
}

void PluginInstall::derivedValuesChanged()
{
    if (m_group)
        Q_EMIT m_group->derivedValuesChanged();
}

void PluginInstall::attachParameter(PluginParameter* parameter)
{
    m_parameters.append(parameter);
    Q_EMIT parametersChanged();
}

void PluginInstall::detachParameter(PluginParameter* parameter)
{
    if (m_parameters.removeOne(parameter))
        Q_EMIT parametersChanged();
}
