#include "model/PluginParameter.h"

#include "model/PluginInstall.h"

PluginParameter::~PluginParameter()
{
    if (m_install)
        m_install->m_parameters.removeOne(this);
}

void PluginParameter::setName(const QString& value)
{
    assign(m_name, value, &PluginParameter::nameChanged);
}

void PluginParameter::setIdentifier(const QString& value)
{
    assign(m_identifier, value, &PluginParameter::identifierChanged);
}

void PluginParameter::setMinValue(float value)
{
    assign(m_minValue, value, &PluginParameter::minValueChanged);
}

void PluginParameter::setMaxValue(float value)
{
    assign(m_maxValue, value, &PluginParameter::maxValueChanged);
}

void PluginParameter::setDefaultValue(float value)
{
    assign(m_defaultValue, value, &PluginParameter::defaultValueChanged);
}

void PluginParameter::setUnit(const QString& value)
{
    assign(m_unit, value, &PluginParameter::unitChanged);
}

void PluginParameter::setInstall(PluginInstall* install)
{
    if (install == m_install || (install && !joinStores(install)))
        return;
    if (m_install)
        m_install->detachParameter(this);
    m_install = install;
    if (install) {
        m_installOrder = nextSequence();
        install->attachParameter(this);
    }
    markChanged();
    Q_EMIT installChanged();
}
