#pragma once

#include "content/ContentLibraryScanner.h"
#include "sample/BundleWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A plug-in folder and a content root in a temporary folder, with a catalogue file beside them.
// Vendor names count anywhere in a content path, so the folder's random name must hold none.
class CatalogTree : public ::testing::Test {
protected:
    void SetUp() override {
        for (int attempt = 0; attempt < 100 && !m_dir; ++attempt) {
            auto dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/zvcli-XXXXXX"));
            if (dir->isValid() && !ContentLibraryScanner::vendorFromPath(dir->path()))
                m_dir = std::move(dir);
        }
        ASSERT_TRUE(m_dir);
    }

    QString path(const QString& relative) const { return m_dir->path() + u'/' + relative; }
    QString store() const { return path(QStringLiteral("catalog.sqlite")); }

    void writeBundle(const QString& relative, const QString& name, qint64 bytes = 1'000'000) const {
        BundleSpec bundleSpec;
        bundleSpec.path = path(relative);
        bundleSpec.info = {{QStringLiteral("CFBundleName"), name},
                     {QStringLiteral("CFBundleIdentifier"), QStringLiteral("com.acme.") + name},
                     {QStringLiteral("CFBundleShortVersionString"), QStringLiteral("1.0.0")},
                     {QStringLiteral("CFBundleExecutable"), name}};
        bundleSpec.resourceFiles = 1;
        bundleSpec.resourceBytes = bytes;
        ASSERT_TRUE(BundleWriter::write(bundleSpec)) << relative.toStdString();
    }

    void writeFile(const QString& relative, qint64 size) const {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path(relative)).path()));
        ASSERT_TRUE(BundleWriter::writeSparseFile(path(relative), size)) << relative.toStdString();
    }

    // Three bundles under Plugins, two libraries of one vendor under Content.
    void writeTree() const {
        writeBundle(QStringLiteral("Plugins/Alpha.vst3"), QStringLiteral("Alpha"));
        writeBundle(QStringLiteral("Plugins/Beta.vst3"), QStringLiteral("Beta"));
        writeBundle(QStringLiteral("Plugins/Nested/Gamma.vst3"), QStringLiteral("Gamma"));
        writeFile(QStringLiteral("Content/Native Instruments/Library One/one.nki"), 100);
        writeFile(QStringLiteral("Content/Native Instruments/Library Two/two.nki"), 200);
    }

    static QJsonObject jsonObject(const QString& text) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << text.toStdString();
        EXPECT_TRUE(document.isObject());
        return document.object();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};
