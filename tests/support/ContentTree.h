#pragma once

#include "content/ContentLibraryScanTarget.h"
#include "content/ContentLibraryScanner.h"
#include "discovery/FolderBookmark.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A content tree built in a temporary folder. Vendor names are searched for anywhere in a path,
// so the temporary folder's own random name must not contain one.
class ContentTree {
public:
    ContentTree()
    {
        for (int attempt = 0; attempt < 100 && !m_dir; ++attempt) {
            auto dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/zvtree-XXXXXX"));
            if (dir->isValid() && !ContentLibraryScanner::vendorFromPath(dir->path()))
                m_dir = std::move(dir);
        }
        if (!m_dir)
            ADD_FAILURE() << "no usable temporary folder";
    }

    [[nodiscard]] bool isValid() const { return m_dir != nullptr; }
    QString path(const QString& relative = {}) const
    {
        return relative.isEmpty() ? m_dir->path() : m_dir->path() + QLatin1Char('/') + relative;
    }

    QString folder(const QString& relative) const
    {
        EXPECT_TRUE(QDir().mkpath(path(relative))) << relative.toStdString();
        return path(relative);
    }

    // Sparse: only the logical size matters here.
    QString file(const QString& relative, qint64 size) const
    {
        folder(QFileInfo(relative).path());
        QFile file(path(relative));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
        EXPECT_TRUE(file.resize(size));
        return path(relative);
    }

    void link(const QString& relative, const QString& target) const
    {
        folder(QFileInfo(relative).path());
        EXPECT_TRUE(QFile::link(target, path(relative))) << relative.toStdString();
    }

    ContentLibraryScanTarget target(const QString& relative) const
    {
        return {path(relative), FolderBookmark::create(path(relative))};
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};
