#include "StoreTesting.h"

#include <QFile>

#include <gtest/gtest.h>

namespace StoreTesting {

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
