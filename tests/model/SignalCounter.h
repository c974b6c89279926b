#pragma once

#include <QMetaMethod>
#include <QObject>

// Counts emissions of a signal chosen at run time (a property's notify signal).
class SignalCounter : public QObject {
    Q_OBJECT

public:
    SignalCounter(QObject* sender, const QMetaMethod& signal)
    {
        const int slot = metaObject()->indexOfSlot("hit()");
        QObject::connect(sender, signal, this, metaObject()->method(slot));
    }
    int count() const { return m_count; }

public Q_SLOTS:
    void hit() { ++m_count; }

private:
    int m_count = 0;
};
