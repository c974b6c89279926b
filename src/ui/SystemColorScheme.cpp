#include "ui/SystemColorScheme.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QEvent>
#include <QGuiApplication>
#include <QPalette>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString colorSchemeKey = QStringLiteral("color-scheme");

// The portal wraps the value in one or two variants depending on its version.
int unwrapPreference(QVariant value)
{
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    bool ok = false;
    const int preference = value.toInt(&ok);
    return ok ? preference : 0;
}

} // namespace

SystemColorScheme::SystemColorScheme(QObject* parent)
    : QObject(parent)
{
    readPortal();
    if (QGuiApplication* application = qGuiApp)
        application->installEventFilter(this);
    update();
}

bool SystemColorScheme::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == qGuiApp && event->type() == QEvent::ApplicationPaletteChange)
        update();
    return QObject::eventFilter(watched, event);
}

void SystemColorScheme::readPortal()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath, settingsInterface,
                                                       QStringLiteral("Read"));
    call << appearanceGroup << colorSchemeKey;
    // A short wait: a desktop without a portal must not delay the first window.
    const QDBusMessage reply = bus.call(call, QDBus::Block, 300);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return;
    m_portalPreference = unwrapPreference(reply.arguments().first());
    bus.connect(portalService, portalPath, settingsInterface, QStringLiteral("SettingChanged"), this,
                SLOT(portalSettingChanged(QString, QString, QDBusVariant)));
}

void SystemColorScheme::portalSettingChanged(const QString& group, const QString& key, const QDBusVariant& value)
{
    if (group != appearanceGroup || key != colorSchemeKey)
        return;
    m_portalPreference = unwrapPreference(value.variant());
    update();
}

void SystemColorScheme::update()
{
    const bool dark = m_portalPreference == 1 || (m_portalPreference != 2 && paletteIsDark());
    if (dark == m_isDark)
        return;
    m_isDark = dark;
    Q_EMIT isDarkChanged();
}

bool SystemColorScheme::paletteIsDark()
{
    const QPalette palette = QGuiApplication::palette();
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}
