#include "presentation/AtomicFileWriter.h"

#include "model/FilePathBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

TEST(AtomicFileWriterTest, ReplacesWholeFilesAndLeavesNothingBeside)
{
    struct Case {
        const char* name;
        QByteArray before; // empty: no file yet
        QByteArray written;
    };
    const Case cases[] = {
        {"new file", {}, "fresh"},
        {"shorter than before", QByteArray(100'000, 'x'), "short"},
        {"empty", "old", ""},
        {"large", "old", QByteArray(3 * 1024 * 1024, 'z')},
    };
    for (const Case& test : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.txt"));
        if (!test.before.isEmpty()) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(test.before);
        }
        QString error;
        ASSERT_TRUE(AtomicFileWriter::writeFile(path, test.written, &error)) << test.name << error.toStdString();
        EXPECT_EQ(contents(path), test.written) << test.name;
        EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("out.txt")}) << test.name;
    }
}

TEST(AtomicFileWriterTest, KeepsTheModeOfTheFileItReplaces)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("script.sh"));
    ASSERT_TRUE(AtomicFileWriter::writeFile(path, "one"));
    ASSERT_EQ(::chmod(FilePathBytes::encode(path).constData(), 0751), 0);
    ASSERT_TRUE(AtomicFileWriter::writeFile(path, "two"));
    struct stat info {};
    ASSERT_EQ(::stat(FilePathBytes::encode(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0751u);
}

TEST(AtomicFileWriterTest, FailuresAreToldInWordsAndLeaveTheTargetAlone)
{
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("kept.txt"));
    ASSERT_TRUE(AtomicFileWriter::writeFile(existing, "kept"));
    const QString readOnlyFolder = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(readOnlyFolder));
    ASSERT_TRUE(AtomicFileWriter::writeFile(readOnlyFolder + QStringLiteral("/kept.txt"), "kept"));
    ASSERT_EQ(::chmod(FilePathBytes::encode(readOnlyFolder).constData(), 0555), 0);
    const bool runsAsRoot = ::geteuid() == 0;

    struct Case {
        QString path;
        QString error;
    };
    const QList<Case> cases = {
        {QStringLiteral("/dev/full"), QStringLiteral("Cannot write “/dev/full”: No space left on device.")},
        {dir.filePath(QStringLiteral("missing/out.txt")),
         QStringLiteral("Cannot write “%1”: No such file or directory.").arg(dir.filePath(QStringLiteral("missing/out.txt")))},
        {dir.path(), QStringLiteral("Cannot write “%1”: Is a directory.").arg(dir.path())},
        {QString(), QStringLiteral("No file name was given.")},
    };
    for (const Case& test : cases) {
        QString error;
        EXPECT_FALSE(AtomicFileWriter::writeFile(test.path, "new", &error)) << test.path.toStdString();
        EXPECT_EQ(error, test.error);
    }
    if (!runsAsRoot) {
        QString error;
        EXPECT_FALSE(AtomicFileWriter::writeFile(readOnlyFolder + QStringLiteral("/kept.txt"), "new", &error));
        EXPECT_TRUE(error.endsWith(QStringLiteral(": Permission denied."))) << error.toStdString();
        EXPECT_EQ(contents(readOnlyFolder + QStringLiteral("/kept.txt")), "kept");
    }
    ::chmod(FilePathBytes::encode(readOnlyFolder).constData(), 0755);
    EXPECT_EQ(contents(existing), "kept");
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("kept.txt")});
}

TEST(AtomicFileWriterTest, DiscardedWritesLeaveNoTrace)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    ASSERT_TRUE(AtomicFileWriter::writeFile(path, "before"));
    {
        AtomicFileWriter writer(path);
        ASSERT_TRUE(writer.open());
        ASSERT_TRUE(writer.write("half"));
    }
    EXPECT_EQ(contents(path), "before");
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("out.csv")});
}

} // namespace
