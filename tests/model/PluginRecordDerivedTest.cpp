#include "model/AbbreviatedDate.h"
#include "model/ByteCountFormat.h"
#include "model/PluginInstall.h"
#include "model/PluginRecord.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

namespace {

class PluginRecordDerivedTest : public ::testing::Test {
protected:
    PluginInstall* add(PluginFormat format, InstallStatus status = InstallStatus::found)
    {
        m_installs.push_back(std::make_unique<PluginInstall>(QStringLiteral("/x"), format));
        PluginInstall* install = m_installs.back().get();
        install->setStatus(status);
        install->setGroup(&m_record);
        return install;
    }

    PluginRecord m_record{QStringLiteral("Echo"), QStringLiteral("Acme")};
    std::vector<std::unique_ptr<PluginInstall>> m_installs;
};

TEST_F(PluginRecordDerivedTest, FoundInstallsGiveFormatsOnceInCanonicalOrderAndTheirSizeSum)
{
    PluginInstall* gone = add(PluginFormat::aax, InstallStatus::notFound);
    gone->setFileSize(9'000'000'000);
    gone->setDateModified(QDateTime::fromMSecsSinceEpoch(0));
    EXPECT_TRUE(m_record.formatList().isEmpty());
    EXPECT_EQ(m_record.lastModifiedText(), QStringLiteral("\u2014"));
    EXPECT_EQ(m_record.totalSizeText(), QStringLiteral("Zero KB"));
    EXPECT_TRUE(m_record.foundInstalls().isEmpty());

    PluginInstall* vst3 = add(PluginFormat::vst3);
    vst3->setFileSize(1'500'000);
    add(PluginFormat::au)->setFileSize(250'000);
    add(PluginFormat::vst3);
    PluginInstall* clap = add(PluginFormat::clap);
    add(PluginFormat::vst);
    EXPECT_EQ(m_record.formatList(),
              (QStringList{QStringLiteral("AU"), QStringLiteral("VST"), QStringLiteral("VST3"), QStringLiteral("CLAP")}));
    EXPECT_EQ(m_record.foundInstalls().size(), 5);
    EXPECT_EQ(m_record.foundInstalls().first(), vst3);
    EXPECT_EQ(m_record.foundInstalls()[3], clap);
    EXPECT_EQ(m_record.totalSizeText(), QStringLiteral("1.8 MB"));

    // A sum past the largest size stops there.
    add(PluginFormat::vst3)->setFileSize(std::numeric_limits<qint64>::max());
    EXPECT_EQ(m_record.totalSizeText(), formatByteCount(std::numeric_limits<qint64>::max()));
}

TEST_F(PluginRecordDerivedTest, LastModifiedIsTheLatestFoundDateAbbreviated)
{
    const QDateTime early = QDateTime(QDate(2023, 3, 9), QTime(12, 0));
    const QDateTime late = QDateTime(QDate(2024, 1, 5), QTime(12, 0));
    const QDateTime missing = QDateTime(QDate(2025, 6, 1), QTime(12, 0));
    add(PluginFormat::vst3)->setDateModified(early);
    add(PluginFormat::au)->setDateModified(late);
    add(PluginFormat::vst, InstallStatus::notFound)->setDateModified(missing);
    EXPECT_EQ(m_record.lastModifiedText(), formatAbbreviatedDate(late));
}

TEST_F(PluginRecordDerivedTest, OlderThanAYearIsStrictlyMoreThan365Days)
{
    const QDateTime asOf = QDateTime::fromMSecsSinceEpoch(1'700'000'000'000);
    const qint64 year = 31'536'000;
    PluginInstall* recent = add(PluginFormat::vst3);
    recent->setInstallDate(asOf.addSecs(-10));
    PluginInstall* oldest = add(PluginFormat::au);
    oldest->setInstallDate(asOf.addSecs(-year));
    PluginInstall* hidden = add(PluginFormat::vst, InstallStatus::notFound);
    hidden->setInstallDate(asOf.addSecs(-10 * year));

    EXPECT_FALSE(m_record.hasInstallOlderThanAYear(asOf));
    EXPECT_TRUE(m_record.hasInstallOlderThanAYear(asOf.addSecs(1)));
    EXPECT_TRUE(m_record.hasInstallOlderThanAYear(asOf.addMSecs(1)));
    EXPECT_FALSE(m_record.hasInstallOlderThanAYear(asOf.addSecs(-1)));
    // The earliest found install decides, not the first in the list.
    oldest->setStatus(InstallStatus::notFound);
    EXPECT_FALSE(m_record.hasInstallOlderThanAYear(asOf.addSecs(1)));
}

TEST(AbbreviatedDateTest, DropsTheWeekdayAndShortensTheMonth)
{
    const QDateTime date(QDate(2024, 1, 5), QTime(12, 0));
    const std::pair<const char*, const char*> cases[] = {
        {"en_US", "Jan 5, 2024"}, {"en_GB", "5 Jan 2024"}, {"de_DE", "5. Jan. 2024"}, {"C", "5 Jan 2024"}};
    for (const auto& [locale, expected] : cases) {
        EXPECT_EQ(formatAbbreviatedDate(date, QLocale(QString::fromLatin1(locale))), QString::fromUtf8(expected));
        EXPECT_TRUE(formatAbbreviatedDate(QDateTime(), QLocale(QString::fromLatin1(locale))).isEmpty()) << locale;
    }
}

} // namespace
