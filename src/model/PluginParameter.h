#pragma once

#include "model/CatalogObject.h"

#include <QString>

class PluginInstall;

// One automation parameter of an install. Part of the schema; nothing creates these yet.
class PluginParameter : public CatalogObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QString identifier READ identifier WRITE setIdentifier NOTIFY identifierChanged)
    Q_PROPERTY(float minValue READ minValue WRITE setMinValue NOTIFY minValueChanged)
    Q_PROPERTY(float maxValue READ maxValue WRITE setMaxValue NOTIFY maxValueChanged)
    Q_PROPERTY(float defaultValue READ defaultValue WRITE setDefaultValue NOTIFY defaultValueChanged)
    Q_PROPERTY(QString unit READ unit WRITE setUnit NOTIFY unitChanged)
    Q_PROPERTY(PluginInstall* install READ install WRITE setInstall NOTIFY installChanged)

public:
    PluginParameter() = default;
    ~PluginParameter() override;

    [[nodiscard]] Kind kind() const override { return Kind::parameter; }

    [[nodiscard]] QString name() const { return m_name; }
    void setName(const QString& value);
    [[nodiscard]] QString identifier() const { return m_identifier; }
    void setIdentifier(const QString& value);
    [[nodiscard]] float minValue() const { return m_minValue; }
    void setMinValue(float value);
    [[nodiscard]] float maxValue() const { return m_maxValue; }
    void setMaxValue(float value);
    [[nodiscard]] float defaultValue() const { return m_defaultValue; }
    void setDefaultValue(float value);
    [[nodiscard]] QString unit() const { return m_unit; }
    void setUnit(const QString& value);

    [[nodiscard]] PluginInstall* install() const { return m_install; }
    // Moves the parameter to the end of install's parameters; nullptr detaches it.
    void setInstall(PluginInstall* install);

Q_SIGNALS:
    void nameChanged();
    void identifierChanged();
    void minValueChanged();
    void maxValueChanged();
    void defaultValueChanged();
    void unitChanged();
    void installChanged();

private:
    friend class PluginInstall;
    friend class CatalogStore;
    friend class CatalogLoader;
    friend class CatalogWriter;

    QString m_name;
    QString m_identifier;
    float m_minValue = 0.0f;
    float m_maxValue = 1.0f;
    float m_defaultValue = 0.0f;
    QString m_unit;
    PluginInstall* m_install = nullptr;
    qint64 m_installOrder = 0;
};
