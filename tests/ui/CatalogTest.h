#pragma once

#include "model/CatalogStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A fresh catalogue in a temporary folder, saved only when a test says so.
class CatalogTest : public testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        m_store = CatalogStore::open(m_folder.filePath(QStringLiteral("c.sqlite")), &error);
        ASSERT_TRUE(m_store) << error.toStdString();
        m_store->setAutosaveEnabled(false);
    }

    QTemporaryDir m_folder;
    std::unique_ptr<CatalogStore> m_store;
};
