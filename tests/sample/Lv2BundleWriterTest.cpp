#include "discovery/Lv2BundleReader.h"
#include "sample/LinuxDemoTree.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Every variant the generator draws (publisher in the plug-in, in the project, as developer or
// nowhere; one or several description files; with and without versions and a UI) reads back.
TEST(Lv2BundleWriterTest, GeneratedBundlesReadBackPluginForPlugin) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QSet<QString> usedNames;
    QSet<int> forms;
    for (int index = 0; index < 40; ++index) {
        Lv2BundleSpec shape = LinuxDemoTree::generatedLv2Bundle(index, 7, usedNames);
        shape.path = dir.filePath(shape.path);
        forms.insert(int(shape.publisherForm));
        ASSERT_TRUE(Lv2BundleWriter::write(shape)) << shape.path.toStdString();

        const Lv2Bundle bundle = Lv2BundleReader::read(shape.path);
        ASSERT_TRUE(bundle.readable) << shape.path.toStdString();
        ASSERT_EQ(bundle.plugins.size(), shape.plugins.size()) << shape.path.toStdString();
        for (const Lv2PluginSpec& written : shape.plugins) {
            const auto read = std::find_if(bundle.plugins.cbegin(), bundle.plugins.cend(),
                                           [&](const Lv2Plugin& plugin) { return plugin.uri == written.uri; });
            ASSERT_NE(read, bundle.plugins.cend()) << written.uri.toStdString();
            EXPECT_EQ(read->name, written.name);
            EXPECT_EQ(read->publisher,
                      shape.publisherForm == Lv2BundleSpec::Publisher::none ? QString() : shape.publisher);
            EXPECT_EQ(read->version, written.minorVersion < 0
                                         ? QString()
                                         : QStringLiteral("%1.%2").arg(written.minorVersion).arg(written.microVersion));
            EXPECT_FALSE(read->category.isEmpty()) << written.pluginClass.toStdString();
            EXPECT_EQ(read->binaryPath, shape.path + u'/' + shape.binary);
        }
    }
    EXPECT_EQ(forms.size(), 4);
}

} // namespace
