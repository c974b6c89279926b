#pragma once

#include <QDBusVariant>
#include <QObject>

// Whether the desktop prefers dark windows: the XDG desktop portal's "color-scheme" setting when
// a portal answers, else the lightness of the platform palette. Follows changes of either.
class SystemColorScheme : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isDark READ isDark NOTIFY isDarkChanged)

public:
    explicit SystemColorScheme(QObject* parent = nullptr);

    [[nodiscard]] bool isDark() const { return m_isDark; }

Q_SIGNALS:
    void isDarkChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    void portalSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void readPortal();
    void update();
    [[nodiscard]] static bool paletteIsDark();

    // 1 prefers dark, 2 prefers light, 0 no preference; -1 when no portal answered.
    int m_portalPreference = -1;
    bool m_isDark = false;
};
