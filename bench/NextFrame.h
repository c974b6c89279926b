#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QQuickWindow>
#include <QTimer>

#include <atomic>
#include <functional>

// Nanoseconds on `clock` at the end of the next frame `window` swaps after `change` ran and an
// update was asked for; -1 when none came within 5 s. Waits in the event loop, as the application
// does: spinning would take a core from the frame being timed.
inline qint64 nextFrameSwappedAt(QQuickWindow* window, const QElapsedTimer& clock,
                                 const std::function<void()>& change = {})
{
    QEventLoop loop;
    // Swapped on the render thread where there is one.
    std::atomic<qint64> swappedAt = -1;
    const QMetaObject::Connection connection = QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [&] {
            qint64 none = -1;
            swappedAt.compare_exchange_strong(none, clock.nsecsElapsed());
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        },
        Qt::DirectConnection);
    QTimer::singleShot(5'000, &loop, &QEventLoop::quit);
    if (change)
        change();
    window->requestUpdate();
    if (swappedAt < 0)
        loop.exec();
    QObject::disconnect(connection);
    return swappedAt;
}
