#include "CatalogTest.h"
#include "UiCatalog.h"

#include "model/PluginInstall.h"
#include "model/PluginRecord.h"
#include "ui/CardPresentation.h"
#include "ui/TagActions.h"

#include <QTemporaryDir>
#include <QVariantMap>

#include <gtest/gtest.h>

namespace {

using CardPresentationTest = CatalogTest;

TEST_F(CardPresentationTest, OutdatedTooltipNamesThePublisher)
{
    EXPECT_EQ(CardPresentation::outdatedTooltip(QStringLiteral("u-he")),
              QStringLiteral("Possibly outdated \u2014 a newer plugin from u-he was installed recently."));
}

TEST_F(CardPresentationTest, InstallsFoundFirstThenInFormatOrderThenStoredOrder)
{
    PluginRecord* record = UiCatalog::addRecord(*m_store, QStringLiteral("Mixed"), QStringLiteral("Example"), {});
    UiCatalog::addInstall(*m_store, record, QStringLiteral("CLAP"), QStringLiteral("Apple Silicon"), true, QStringLiteral("/1"));
    UiCatalog::addInstall(*m_store, record, QStringLiteral("AU"), QStringLiteral("Intel 64"), false, QStringLiteral("/2"));
    UiCatalog::addInstall(*m_store, record, QStringLiteral("VST3"), QStringLiteral("Universal"), true, QStringLiteral("/3"));
    UiCatalog::addInstall(*m_store, record, QStringLiteral("AU"), QStringLiteral("Apple Silicon"), true, QStringLiteral("/4"));
    UiCatalog::addInstall(*m_store, record, QStringLiteral("VST3"), QStringLiteral("Apple Silicon"), true, QStringLiteral("/5"));
    QStringList paths;
    for (const QVariant& install : CardPresentation::orderedInstalls(record))
        paths.append(install.toMap().value(QStringLiteral("filePath")).toString());
    EXPECT_EQ(paths, (QStringList{"/4", "/3", "/5", "/1", "/2"}));
    const QVariantMap last = CardPresentation::orderedInstalls(record).last().toMap();
    EXPECT_TRUE(last.value(QStringLiteral("notFound")).toBool());
    EXPECT_EQ(last.value(QStringLiteral("architecture")).toString(), QStringLiteral("Intel 64"));
    EXPECT_EQ(last.value(QStringLiteral("sizeText")).toString(), QStringLiteral("1.5 MB"));
    EXPECT_TRUE(CardPresentation::orderedInstalls(nullptr).isEmpty());
}

TEST_F(CardPresentationTest, TagNamesAreLowerCasedAndTrimmedOfBlanksOnly)
{
    EXPECT_EQ(TagActions::tagName(QStringLiteral("  Mixing\t")), QStringLiteral("mixing"));
    EXPECT_EQ(TagActions::tagName(QStringLiteral("\nBus \n")), QStringLiteral("\nbus \n"));
    EXPECT_EQ(TagActions::tagName(QStringLiteral(" \t ")), QString());
}

TEST_F(CardPresentationTest, TagsSortByCharacterCodes)
{
    PluginRecord* record = UiCatalog::addRecord(*m_store, QStringLiteral("Diva"), QStringLiteral("u-he"), {});
    for (const char* name : {"zeta", "Émigré", "alpha", "Beta"}) {
        // Added as stored tags directly: the tag field would lower-case them.
        auto* tag = m_store->insert(new Tag(QString::fromUtf8(name)));
        record->addTag(tag);
    }
    EXPECT_EQ(CardPresentation::sortedTagNames(record),
              (QStringList{"Beta", "alpha", "zeta", QString::fromUtf8("Émigré")}));
}

} // namespace
