#pragma once

#include "CliRun.h"
#include "sample/BundleWriter.h"
#include "support/ContentTree.h"

#include <gtest/gtest.h>

// A plug-in folder and a content root in a temporary folder, with a catalogue file beside them.
class CatalogTree : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_tree.isValid()); }

    QString path(const QString& relative) const { return m_tree.path(relative); }
    QString store() const { return path(QStringLiteral("catalog.sqlite")); }

    // The command line, in process, on this tree's catalogue.
    CliRun run(const QStringList& arguments) const {
        return runCli(QStringList{QStringLiteral("--store"), store()} + arguments);
    }

    // The built program as a child process on this tree's catalogue, with the tree's system/ and
    // home/ as the system root and home folder it looks in.
    CliRun runProgramInTree(const QStringList& arguments, const QProcessEnvironment& environment) const {
        return runProgram(QStringList{QStringLiteral("--store"), store(), QStringLiteral("--system-root"),
                                      path(QStringLiteral("system")), QStringLiteral("--home"), path(QStringLiteral("home"))} +
                              arguments,
                          environment);
    }

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

    void writeFile(const QString& relative, qint64 size) const { m_tree.file(relative, size); }

    // Three bundles under Plugins, two libraries of one vendor under Content.
    void writeTree() const {
        writeBundle(QStringLiteral("Plugins/Alpha.vst3"), QStringLiteral("Alpha"));
        writeBundle(QStringLiteral("Plugins/Beta.vst3"), QStringLiteral("Beta"));
        writeBundle(QStringLiteral("Plugins/Nested/Gamma.vst3"), QStringLiteral("Gamma"));
        writeFile(QStringLiteral("Content/Native Instruments/Library One/one.nki"), 100);
        writeFile(QStringLiteral("Content/Native Instruments/Library Two/two.nki"), 200);
    }

    ContentTree m_tree;
};
