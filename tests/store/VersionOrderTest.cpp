#include "UpsertFixture.h"


namespace {

// order -1: a precedes b, 0: neither, 1: b precedes a; each pair is compared in both directions.
TEST(VersionPrecedesTest, ComparesTheIntegerPiecesInBothDirections) {
    const struct {
        const char* a;
        const char* b;
        int order;
    } cases[] = {
        {"1.9", "1.10", -1}, {"2.0", "2", 0}, {"1.0", "1", 0}, {"", "0.0.0", 0}, {"1.2.3", "1.2.4", -1},
        {"1.2", "1.2.0.1", -1}, {"v2.1", "1", 0}, {"v2.1", "1.0.1", -1}, {"3b.1", "1", 0}, {" 1.2", "2", 0},
        {"1. 2", "1", 0}, {"1..2", "1.2", 0}, {"+2.1", "2.1", 0}, {"-1", "0", -1}, {"1.-1", "1", -1}, {"+", "", 0},
        {"-.5", "5", 0}, {"1.+-2", "1", 0}, {"007", "7", 0}, {"1.2 beta", "1", 0}, {"١.٢", "", 0},
        {"9223372036854775807", "9223372036854775806", 1}, {"9223372036854775808.5", "5", 0},
        {"-9223372036854775808", "-9223372036854775807", -1}, {"-9223372036854775809.3", "3", 0}, {"10", "9", 1},
        {"abc", "xyz", 0}};
    for (const auto& c : cases) {
        const QString a = QString::fromUtf8(c.a);
        const QString b = QString::fromUtf8(c.b);
        EXPECT_EQ(UpsertCoordinator::versionPrecedes(a, b), c.order < 0) << c.a << " vs " << c.b;
        EXPECT_EQ(UpsertCoordinator::versionPrecedes(b, a), c.order > 0) << c.a << " vs " << c.b;
    }
}

TEST(HighestVersionTest, TakesTheGreatestFoundVersionAndTheFirstAmongEquals) {
    constexpr auto found = InstallStatus::found;
    constexpr auto missing = InstallStatus::notFound;
    struct Case {
        std::vector<std::pair<const char*, InstallStatus>> installs;
        const char* highest;
    };
    const Case cases[] = {
        {{{"1.9", found}, {"1.10", found}}, "1.10"},
        {{{"1.0", found}, {"1", found}}, "1.0"},
        {{{"1", found}, {"1.0", found}}, "1"},
        {{{"v2.1", found}, {"1.0.1", found}}, "1.0.1"},
        {{{"9.0", missing}, {"1.2", found}, {"1.1", found}}, "1.2"},
        {{{"", found}, {"beta", found}}, ""},
        {{{"beta", found}, {"", found}}, "beta"},
        {{}, ""},
        {{{"2.0", missing}}, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::unique_ptr<PluginInstall>> owned;
        QList<PluginInstall*> installs;
        for (const auto& [version, status] : c.installs) {
            owned.push_back(std::make_unique<PluginInstall>(QStringLiteral("/p/x.vst3")));
            owned.back()->setVersion(QString::fromUtf8(version));
            owned.back()->setStatus(status);
            installs.append(owned.back().get());
        }
        EXPECT_EQ(UpsertCoordinator::highestVersion(installs), QString::fromUtf8(c.highest)) << c.highest;
    }
}

} // namespace
