#include "StoreTesting.h"

#include "model/CatalogStore.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int recordCount = 300;

// Each save writes its counter into every record and install and adds one tag named after it,
// so any mix of two saves shows as differing values or a wrong tag count.
[[noreturn]] void saveForever(const QString& path, qint64 firstCounter, int reportFd)
{
    QString error;
    auto store = CatalogStore::open(path, &error);
    if (!store)
        _exit(2);
    store->setAutosaveEnabled(false);
    for (qint64 counter = firstCounter;; ++counter) {
        const QString text = QString::number(counter);
        for (PluginRecord* record : store->records())
            record->setNotes(text);
        for (PluginInstall* install : store->installs())
            install->setVersion(text);
        store->insert(new Tag(text));
        if (!store->save())
            _exit(3);
        if (write(reportFd, &counter, sizeof counter) != sizeof counter)
            _exit(4);
    }
}

// The counter every object carries, or -1 when they disagree.
qint64 consistentCounter(const CatalogStore& store)
{
    const qint64 counter = store.records().value(0)->notes().toLongLong();
    for (const PluginRecord* record : store.records())
        if (record->notes().toLongLong() != counter)
            return -1;
    for (const PluginInstall* install : store.installs())
        if (install->version().toLongLong() != counter)
            return -1;
    if (store.tags().size() != counter)
        return -1;
    return counter;
}

TEST(CatalogCrashTest, ProcessKilledDuringSavesLeavesOneWholeSave)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("catalog.sqlite"));
    {
        auto store = StoreTesting::openStore(path);
        ASSERT_TRUE(store);
        for (int i = 0; i < recordCount; ++i) {
            auto* record = store->insert(new PluginRecord(QStringLiteral("Plug-in %1").arg(i)));
            record->setNotes(QStringLiteral("0"));
            for (const PluginFormat format : {PluginFormat::au, PluginFormat::vst3}) {
                auto* install = store->insert(new PluginInstall(QStringLiteral("/p/%1").arg(i), format));
                install->setVersion(QStringLiteral("0"));
                install->setGroup(record);
            }
        }
        ASSERT_TRUE(store->save());
    }

    qint64 counter = 0;
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(fds[0]);
            saveForever(path, counter + 1, fds[1]);
        }
        close(fds[1]);
        // Let a few saves complete, then kill at a random moment of the next ones.
        qint64 reported = counter;
        while (reported < counter + 3) {
            qint64 value = 0;
            if (read(fds[0], &value, sizeof value) != sizeof value)
                break;
            reported = value;
        }
        usleep(QRandomGenerator::global()->bounded(20'000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        // What the child reported while we slept.
        for (qint64 value = 0; read(fds[0], &value, sizeof value) == sizeof value;)
            reported = value;
        close(fds[0]);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself, status " << status;
        ASSERT_GE(reported, counter + 3);

        auto store = StoreTesting::openStore(path);
        ASSERT_TRUE(store);
        ASSERT_EQ(store->records().size(), recordCount);
        ASSERT_EQ(store->installs().size(), 2 * recordCount);
        const qint64 reopened = consistentCounter(*store);
        // Every save that reported success survived; at most the one in flight may be there too.
        EXPECT_GE(reopened, reported);
        EXPECT_LE(reopened, reported + 1);
        counter = std::max<qint64>(reopened, 0);
        store->setAutosaveEnabled(false);
    }
}

} // namespace
