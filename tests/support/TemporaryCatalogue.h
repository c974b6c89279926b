#pragma once

#include "model/CatalogStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A catalogue file in a temporary folder, open with autosave off so that a test saves when it means to.
class TemporaryCatalogue : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        reopen();
    }

    QString path() const { return m_dir.filePath(QStringLiteral("catalog.sqlite")); }
    CatalogStore& store() { return *m_store; }

    // Closes the store, writing what is pending, and opens the file again.
    void reopen()
    {
        m_store.reset();
        QString error;
        m_store = CatalogStore::open(path(), &error);
        ASSERT_TRUE(m_store) << error.toStdString();
        m_store->setAutosaveEnabled(false);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<CatalogStore> m_store;
};
