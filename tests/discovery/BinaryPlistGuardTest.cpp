#include "discovery/BinaryPlistGuard.h"

#include "support/HostilePlists.h"
#include "sample/BundleWriter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Verdict = BinaryPlistGuard::Verdict;
using Limits = BinaryPlistGuard::Limits;
namespace H = HostilePlists;

QByteArray written(const QVariantMap& dictionary)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Info.plist"));
    if (!BundleWriter::writePropertyList(path, dictionary, true))
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray keyed(const QByteArray& keyObject)
{
    H::Builder plist;
    const int key = plist.add(keyObject);
    const int value = plist.add(plist.ascii("v"));
    return plist.build(plist.add(plist.dictionary({{key, value}})));
}

QByteArray single(const QByteArray& object)
{
    H::Builder plist;
    return plist.build(plist.add(object));
}

// A dictionary whose value is object 77 of a file with two.
QByteArray dangling()
{
    H::Builder plist(1);
    const int key = plist.add(plist.ascii("k"));
    return plist.build(plist.add(plist.dictionary({{key, 77}})));
}

QByteArray withTrailerField(QByteArray plist, int fromEnd, char value)
{
    plist[plist.size() - fromEnd] = value;
    return plist;
}

TEST(BinaryPlistGuardTest, VerdictsOnShapesAndSizes)
{
    const QVariantMap realistic{
        {QStringLiteral("CFBundleName"), QStringLiteral("Verb")},
        {QStringLiteral("AudioComponents"),
         QVariantList{QVariantMap{{QStringLiteral("name"), QStringLiteral("Acme: Verb")},
                                  {QStringLiteral("type"), QStringLiteral("aufx")}}}},
    };
    const Limits small{64, 1000, 1 << 30};
    struct Case {
        const char* name;
        QByteArray plist;
        Verdict verdict;
        Limits limits = {};
    };
    const Case cases[] = {
        {"a bundle's own", written(realistic), Verdict::acceptable},
        // The root dictionary is the first level.
        {"64 levels", H::deepArrays(63), Verdict::acceptable},
        {"65 levels", H::deepArrays(64), Verdict::tooDeep},
        {"100,000 levels", H::deepArrays(100'000), Verdict::tooDeep},
        {"moderate sharing", H::sharedString(100, 1000), Verdict::acceptable},
        {"200 references to 4 MB", H::sharedString(200, 4 * 1024 * 1024), Verdict::tooLarge},
        {"1,000,000 keys of 4 MB", H::manyKeys(1'000'000, 4 * 1024 * 1024), Verdict::tooLarge},
        {"2^40 leaves from 40 levels", H::doublingChain(40), Verdict::tooManyObjects},
        {"1023 objects within 1000", H::doublingChain(8), Verdict::acceptable, small},
        {"2047 objects over 1000", H::doublingChain(9), Verdict::tooManyObjects, small},
        {"a cycle", H::cycle(), Verdict::cyclic},
        {"key with NUL", keyed(QByteArray("\x53" "a\0b", 4)), Verdict::unsafeKey},
        {"UTF-16 key with NUL", keyed(QByteArray("\x62\0a\0\0", 5)), Verdict::unsafeKey},
        {"integer key", keyed(QByteArray("\x10\x07", 2)), Verdict::unsafeKey},
        {"too short", QByteArray("bplist00"), Verdict::malformed},
        {"root past the table", withTrailerField(H::cycle(), 9, 99), Verdict::malformed},
        {"reference size 0", withTrailerField(H::cycle(), 25, 0), Verdict::malformed},
        {"unknown marker", keyed(QByteArray("\x70", 1)), Verdict::malformed},
        {"reference past the table", dangling(), Verdict::malformed},
        {"string longer than the file", single(QByteArray("\x5F\x10\xFF", 3) + "abc"), Verdict::malformed},
    };
    for (const Case& test : cases)
        EXPECT_EQ(BinaryPlistGuard::check(test.plist, test.limits), test.verdict) << test.name;
}

} // namespace
