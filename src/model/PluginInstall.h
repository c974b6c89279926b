#pragma once

#include "model/CatalogObject.h"
#include "model/InstallStatus.h"
#include "model/PluginArchitecture.h"
#include "model/PluginFormat.h"
#include "model/PluginPlatform.h"

#include <QDateTime>
#include <QList>
#include <QString>

class PluginParameter;
class PluginRecord;

// One plug-in bundle on disk in one format.
class PluginInstall : public CatalogObject {
    Q_OBJECT
    Q_PROPERTY(QString filePath READ filePath WRITE setFilePath NOTIFY filePathChanged)
    Q_PROPERTY(PluginFormat format READ format WRITE setFormat NOTIFY formatChanged)
    Q_PROPERTY(QString bundleID READ bundleID WRITE setBundleID NOTIFY bundleIDChanged)
    Q_PROPERTY(QString version READ version WRITE setVersion NOTIFY versionChanged)
    Q_PROPERTY(PluginArchitecture architecture READ architecture WRITE setArchitecture NOTIFY architectureChanged)
    Q_PROPERTY(qint64 fileSize READ fileSize WRITE setFileSize NOTIFY fileSizeChanged)
    Q_PROPERTY(QDateTime dateModified READ dateModified WRITE setDateModified NOTIFY dateModifiedChanged)
    Q_PROPERTY(QDateTime installDate READ installDate WRITE setInstallDate NOTIFY installDateChanged)
    Q_PROPERTY(InstallStatus status READ status WRITE setStatus NOTIFY statusChanged)
    Q_PROPERTY(PluginRecord* group READ group WRITE setGroup NOTIFY groupChanged)
    Q_PROPERTY(QString auComponentType READ auComponentType WRITE setAuComponentType NOTIFY auComponentTypeChanged)
    Q_PROPERTY(QString auComponentSubType READ auComponentSubType WRITE setAuComponentSubType NOTIFY
                   auComponentSubTypeChanged)
    Q_PROPERTY(QString auComponentManufacturer READ auComponentManufacturer WRITE setAuComponentManufacturer
                   NOTIFY auComponentManufacturerChanged)
    Q_PROPERTY(QList<PluginParameter*> parameters READ parameters NOTIFY parametersChanged)
    Q_PROPERTY(PluginPlatform platform READ platform WRITE setPlatform NOTIFY platformChanged)
    Q_PROPERTY(QString pluginIdentifier READ pluginIdentifier WRITE setPluginIdentifier NOTIFY pluginIdentifierChanged)
    Q_PROPERTY(bool isBridged READ isBridged WRITE setIsBridged NOTIFY isBridgedChanged)

public:
    // Both dates start as the moment of creation.
    explicit PluginInstall(const QString& filePath = {}, PluginFormat format = PluginFormat::au);
    ~PluginInstall() override;

    [[nodiscard]] Kind kind() const override { return Kind::install; }

    [[nodiscard]] QString filePath() const { return m_filePath; }
    void setFilePath(const QString& value);
    [[nodiscard]] PluginFormat format() const { return m_format; }
    void setFormat(PluginFormat value);
    [[nodiscard]] QString bundleID() const { return m_bundleID; }
    void setBundleID(const QString& value);
    [[nodiscard]] QString version() const { return m_version; }
    void setVersion(const QString& value);
    [[nodiscard]] PluginArchitecture architecture() const { return m_architecture; }
    void setArchitecture(PluginArchitecture value);
    [[nodiscard]] qint64 fileSize() const { return m_fileSize; }
    void setFileSize(qint64 value);
    [[nodiscard]] QDateTime dateModified() const { return m_dateModified; }
    void setDateModified(const QDateTime& value);
    [[nodiscard]] QDateTime installDate() const { return m_installDate; }
    void setInstallDate(const QDateTime& value);
    [[nodiscard]] InstallStatus status() const { return m_status; }
    void setStatus(InstallStatus value);
    [[nodiscard]] bool isFound() const { return m_status == InstallStatus::found; }

    [[nodiscard]] PluginRecord* group() const { return m_group; }
    // Moves the install to the end of record's installs (out of the previous record's list);
    // nullptr detaches it. A record of another store is refused.
    void setGroup(PluginRecord* record);

    [[nodiscard]] QString auComponentType() const { return m_auComponentType; }
    void setAuComponentType(const QString& value);
    [[nodiscard]] QString auComponentSubType() const { return m_auComponentSubType; }
    void setAuComponentSubType(const QString& value);
    [[nodiscard]] QString auComponentManufacturer() const { return m_auComponentManufacturer; }
    void setAuComponentManufacturer(const QString& value);

    [[nodiscard]] PluginPlatform platform() const { return m_platform; }
    void setPlatform(PluginPlatform value);
    // Which plug-in of a multi-plug-in bundle this is (an LV2 URI, a VST3 class ID); empty when
    // the bundle is one plug-in, as every macOS bundle is.
    [[nodiscard]] QString pluginIdentifier() const { return m_pluginIdentifier; }
    void setPluginIdentifier(const QString& value);
    // A Windows plug-in that a Wine bridge also offers to Linux hosts.
    [[nodiscard]] bool isBridged() const { return m_isBridged; }
    void setIsBridged(bool value);

    // Change with PluginParameter::setInstall.
    [[nodiscard]] QList<PluginParameter*> parameters() const { return m_parameters; }

Q_SIGNALS:
    void filePathChanged();
    void formatChanged();
    void bundleIDChanged();
    void versionChanged();
    void architectureChanged();
    void fileSizeChanged();
    void dateModifiedChanged();
    void installDateChanged();
    void statusChanged();
    void groupChanged();
    void auComponentTypeChanged();
    void auComponentSubTypeChanged();
    void auComponentManufacturerChanged();
    void parametersChanged();
    void platformChanged();
    void pluginIdentifierChanged();
    void isBridgedChanged();

private:
    friend class PluginParameter;
    friend class PluginRecord;
    friend class CatalogStore;
    friend class CatalogLoader;
    friend class CatalogWriter;

    struct LoadTag {};
    explicit PluginInstall(LoadTag) {}

    void derivedValuesChanged();
    void attachParameter(PluginParameter* parameter);
    void detachParameter(PluginParameter* parameter);

    QString m_filePath;
    PluginFormat m_format = PluginFormat::au;
    QString m_bundleID;
    QString m_version;
    PluginArchitecture m_architecture = PluginArchitecture::unknown;
    qint64 m_fileSize = 0;
    QDateTime m_dateModified;
    QDateTime m_installDate;
    InstallStatus m_status = InstallStatus::found;
    PluginRecord* m_group = nullptr;
    qint64 m_groupOrder = 0;
    QString m_auComponentType;
    QString m_auComponentSubType;
    QString m_auComponentManufacturer;
    QList<PluginParameter*> m_parameters;
    PluginPlatform m_platform = PluginPlatform::macOS;
    QString m_pluginIdentifier;
    bool m_isBridged = false;
};
