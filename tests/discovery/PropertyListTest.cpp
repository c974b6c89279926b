#include "discovery/PropertyList.h"

#include "BundleTree.h"
#include "support/HostilePlists.h"
#include "sample/BundleWriter.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QVariantMap sample{
    {QStringLiteral("CFBundleName"), QStringLiteral("Größe Verb")},
    {QStringLiteral("CFBundleVersion"), 7},
    {QStringLiteral("Flag"), true},
    {QStringLiteral("Gain"), 0.5},
    {QStringLiteral("Blob"), QByteArray("\x01\x02\x03", 3)},
    {QStringLiteral("Built"), QDateTime(QDate(2023, 5, 1), QTime(12, 0), Qt::UTC)},
    {QStringLiteral("AudioComponents"),
     QVariantList{QVariantMap{{QStringLiteral("name"), QStringLiteral("Acme: Verb")},
                              {QStringLiteral("version"), 65536}}}},
};

class PropertyListTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
};

TEST_F(PropertyListTest, ReadsXmlAndBinaryAlike)
{
    ASSERT_TRUE(BundleWriter::writePropertyList(path("xml.plist"), sample, false));
    ASSERT_TRUE(BundleWriter::writePropertyList(path("bin.plist"), sample, true));
    const auto xml = PropertyList::readDictionary(path("xml.plist"));
    const auto bin = PropertyList::readDictionary(path("bin.plist"));
    ASSERT_TRUE(xml);
    ASSERT_TRUE(bin);
    EXPECT_EQ(*xml, *bin);
    EXPECT_EQ(PropertyList::string(*xml, QStringLiteral("CFBundleName")), QStringLiteral("Größe Verb"));
    const QVariantList components = xml->value(QStringLiteral("AudioComponents")).toList();
    ASSERT_EQ(components.size(), 1);
    EXPECT_EQ(components.first().typeId(), QMetaType::QVariantMap);
    EXPECT_EQ(PropertyList::string(components.first().toMap(), QStringLiteral("name")),
              QStringLiteral("Acme: Verb"));
    // Only strings count as strings; an empty one is still a value.
    for (const char* key : {"CFBundleVersion", "Flag", "AudioComponents", "Missing"})
        EXPECT_FALSE(PropertyList::string(*bin, QString::fromLatin1(key))) << key;
    EXPECT_EQ(bin->value(QStringLiteral("CFBundleVersion")).toULongLong(), 7u);
    ASSERT_TRUE(BundleWriter::writePropertyList(path("p.plist"), {{QStringLiteral("K"), QString()}}, false));
    EXPECT_EQ(PropertyList::string(PropertyList::readDictionary(path("p.plist")).value(), QStringLiteral("K")), QString());
}

TEST_F(PropertyListTest, UnusableFilesHaveNoValue)
{
    BundleTree::file(path("empty.plist"), {});
    BundleTree::file(path("text.plist"), "just some text\n");
    BundleTree::file(path("broken.plist"),
                     "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>A</key><string>x</dict>");
    BundleTree::file(
        path("array.plist"),
        "<?xml version=\"1.0\"?><plist version=\"1.0\"><array><string>x</string></array></plist>");
    BundleTree::file(path("string.plist"),
                     "<?xml version=\"1.0\"?><plist version=\"1.0\"><string>x</string></plist>");
    BundleTree::file(path("badbinary.plist"), QByteArray("bplist00") + QByteArray(40, '\xff'));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.plist")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo.plist")).constData(), 0644), 0);
    // A sound dictionary padded with trailing white space past the size limit.
    BundleTree::file(path("huge.plist"), "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>A</key><string>x"
                                         "</string></dict></plist>" + QByteArray(PropertyList::maximumFileSize, ' '));

    for (const char* name : {"missing.plist", "empty.plist", "text.plist", "broken.plist", "array.plist",
                             "string.plist", "badbinary.plist", "folder.plist", "fifo.plist", "huge.plist"})
        EXPECT_FALSE(PropertyList::readDictionary(path(name))) << name;
}

TEST_F(PropertyListTest, BinaryKeyWithNulCharacterIsRefused)
{
    ASSERT_TRUE(BundleWriter::writePropertyList(path("p.plist"),
                                                {{QStringLiteral("AQB"), QStringLiteral("xQy")}}, true));
    QFile file(path("p.plist"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray data = file.readAll();
    const qsizetype value = data.indexOf("xQy");
    ASSERT_GE(value, 0);
    data[value + 1] = '\0';
    const auto withNulValue = PropertyList::dictionaryFromData(data);
    ASSERT_TRUE(withNulValue);
    EXPECT_TRUE(withNulValue->value(QStringLiteral("AQB")).toString().startsWith(u'x'));

    const qsizetype key = data.indexOf("AQB");
    ASSERT_GE(key, 0);
    data[key + 1] = '\0';
    EXPECT_FALSE(PropertyList::dictionaryFromData(data));
}

QByteArray nestedXml(int levels)
{
    QByteArray xml = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>CFBundleName</key><string>Deep</string>"
                     "<!-- <array> --><key>deep</key>";
    xml += QByteArray("<array>").repeated(levels) + QByteArray("</array>").repeated(levels);
    return xml + "</dict></plist>";
}

// XML depth is the reader's own limit. Binary verdicts are the guard's (BinaryPlistGuardTest) and
// deep, shared and many-keyed lists are scanned past (PluginScannerTest); here, that it is asked.
TEST_F(PropertyListTest, NestingAndExpansionBeyondAnyBundleAreNoPropertyList)
{
    struct Case {
        const char* name;
        QByteArray data;
        bool read;
    };
    const Case cases[] = {
        {"XML 100 levels", nestedXml(100), true},
        {"XML 200 levels", nestedXml(200), false},
        {"XML 100,000 levels", nestedXml(100'000), false},
        {"binary cycle", HostilePlists::cycle(), false},
        {"binary 40 levels", HostilePlists::deepArrays(40), true},
    };
    for (const Case& test : cases) {
        BundleTree::file(path("Info.plist"), test.data);
        const auto plist = PropertyList::readDictionary(path("Info.plist"));
        EXPECT_EQ(plist.has_value(), test.read) << test.name;
        if (plist && test.read) {
            const QString name = PropertyList::string(*plist, QStringLiteral("CFBundleName")).value_or(QString());
            EXPECT_TRUE(name == QStringLiteral("Deep") || name == QStringLiteral("Hostile")) << test.name;
        }
    }
}

TEST_F(PropertyListTest, OnlyTheAskedKeysAreConverted)
{
    ASSERT_TRUE(BundleWriter::writePropertyList(path("p.plist"), sample, true));
    const auto plist = PropertyList::readDictionary(
        path("p.plist"), {QStringLiteral("CFBundleName"), QStringLiteral("AudioComponents"), QStringLiteral("Absent")});
    ASSERT_TRUE(plist);
    EXPECT_EQ(plist->keys(), (QStringList{QStringLiteral("AudioComponents"), QStringLiteral("CFBundleName")}));
    EXPECT_EQ(plist->value(QStringLiteral("AudioComponents")), sample.value(QStringLiteral("AudioComponents")));
}

TEST_F(PropertyListTest, MutatedListsNeverCrash)
{
    for (const bool binary : {false, true}) {
        ASSERT_TRUE(BundleWriter::writePropertyList(path("p.plist"), sample, binary));
        QFile file(path("p.plist"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray original = file.readAll();
        QRandomGenerator random(20240611);
        for (int round = 0; round < 3000; ++round) {
            QByteArray data = original;
            const int flips = 1 + int(random.bounded(4));
            for (int i = 0; i < flips; ++i)
                data[qsizetype(random.bounded(quint32(data.size())))] = char(random.bounded(256));
            if (round % 7 == 0)
                data.truncate(qsizetype(random.bounded(quint32(data.size()))));
            (void)PropertyList::dictionaryFromData(data);
        }
    }
}

} // namespace
