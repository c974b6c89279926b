#pragma once

#include <QObject>

#include <memory>

// Counts the emissions of one signal of one object, like QSignalSpy without linking QtTest.
class SignalSpy {
public:
    template <typename Object, typename Signal>
    SignalSpy(Object* sender, Signal signal) : m_count(std::make_shared<int>(0))
    {
        m_connection = QObject::connect(sender, signal, sender, [count = m_count] { ++*count; });
    }
    ~SignalSpy() { QObject::disconnect(m_connection); }
    SignalSpy(const SignalSpy&) = delete;
    SignalSpy& operator=(const SignalSpy&) = delete;

    [[nodiscard]] int count() const { return *m_count; }

private:
    std::shared_ptr<int> m_count;
    QMetaObject::Connection m_connection;
};
