#pragma once

#include "sample/BundleWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <unistd.h>

// Small builders for plug-in trees in temporary folders.
namespace BundleTree {

inline QVariantMap info(const QString& name, const QString& identifier = {}, const QString& executable = {})
{
    QVariantMap map{{QStringLiteral("CFBundleName"), name}};
    if (!identifier.isEmpty())
        map.insert(QStringLiteral("CFBundleIdentifier"), identifier);
    map.insert(QStringLiteral("CFBundleExecutable"), executable.isEmpty() ? name : executable);
    map.insert(QStringLiteral("CFBundleShortVersionString"), QStringLiteral("1.0"));
    return map;
}

inline void bundle(const QString& path, const QVariantMap& plist,
                   ExecutableKind executable = ExecutableKind::thinArm64, bool binary = false)
{
    BundleSpec bundleSpec;
    bundleSpec.path = path;
    bundleSpec.info = plist;
    bundleSpec.binaryPlist = binary;
    bundleSpec.executable = executable;
    ASSERT_TRUE(BundleWriter::write(bundleSpec)) << path.toStdString();
}

// A bundle named after its folder, with an arm64 executable and a version.
inline void plugin(const QString& path)
{
    const QString name = QDir(path).dirName().section(u'.', 0, 0);
    bundle(path, info(name));
}

inline void file(const QString& path, const QByteArray& contents)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(out.write(contents), contents.size());
}

inline void symlink(const QString& target, const QString& linkPath)
{
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(linkPath).constData()), 0)
        << linkPath.toStdString();
}

} // namespace BundleTree
