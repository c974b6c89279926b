#include "StoreTesting.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

namespace StoreTesting {

bool waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    if (condition())
        return true;
    // A nested loop, unlike processEvents(), also runs deferred deletions.
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start(10);
    loop.exec();
    return condition();
}

std::unique_ptr<CatalogStore> openStore(const QString& path)
{
    QString error;
    auto store = CatalogStore::open(path, &error);
    EXPECT_TRUE(store) << error.toStdString();
    return store;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace StoreTesting
