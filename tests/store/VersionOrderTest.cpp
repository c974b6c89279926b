#include "UpsertFixture.h"

#include "store/VersionOrder.h"

namespace {

struct OrderCase {
    const char* a;
    const char* b;
    int order; // -1: a precedes b, 0: neither, 1: b precedes a
};

std::ostream& operator<<(std::ostream& out, const OrderCase& c) {
    return out << '"' << c.a << "\" vs \"" << c.b << '"';
}

class VersionPrecedesTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(VersionPrecedesTest, ComparesTheIntegerPiecesInBothDirections) {
    const OrderCase& c = GetParam();
    const QString a = QString::fromUtf8(c.a);
    const QString b = QString::fromUtf8(c.b);
    EXPECT_EQ(UpsertCoordinator::versionPrecedes(a, b), c.order < 0);
    EXPECT_EQ(UpsertCoordinator::versionPrecedes(b, a), c.order > 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VersionPrecedesTest,
    ::testing::Values(OrderCase{"1.9", "1.10", -1}, OrderCase{"2.0", "2", 0}, OrderCase{"1.0", "1", 0},
                      OrderCase{"", "0.0.0", 0}, OrderCase{"1.2.3", "1.2.4", -1},
                      OrderCase{"1.2", "1.2.0.1", -1}, OrderCase{"v2.1", "1", 0},
                      OrderCase{"v2.1", "1.0.1", -1}, OrderCase{"3b.1", "1", 0}, OrderCase{" 1.2", "2", 0},
                      OrderCase{"1. 2", "1", 0}, OrderCase{"1..2", "1.2", 0}, OrderCase{"+2.1", "2.1", 0},
                      OrderCase{"-1", "0", -1}, OrderCase{"1.-1", "1", -1}, OrderCase{"+", "", 0},
                      OrderCase{"-.5", "5", 0}, OrderCase{"1.+-2", "1", 0}, OrderCase{"007", "7", 0},
                      OrderCase{"1.2 beta", "1", 0}, OrderCase{"١.٢", "", 0},
                      OrderCase{"9223372036854775807", "9223372036854775806", 1},
                      OrderCase{"9223372036854775808.5", "5", 0},
                      OrderCase{"-9223372036854775808", "-9223372036854775807", -1},
                      OrderCase{"-9223372036854775809.3", "3", 0}, OrderCase{"10", "9", 1},
                      OrderCase{"abc", "xyz", 0}));

PluginInstall* install(const QString& version, InstallStatus status = InstallStatus::found) {
    auto* result = new PluginInstall(QStringLiteral("/p/x.vst3"));
    result->setVersion(version);
    result->setStatus(status);
    return result;
}

class HighestVersionTest : public ::testing::Test {
protected:
    ~HighestVersionTest() override { qDeleteAll(m_installs); }

    QList<PluginInstall*> installs(std::initializer_list<std::pair<const char*, InstallStatus>> versions) {
        QList<PluginInstall*> list;
        for (const auto& [version, status] : versions)
            list.append(install(QString::fromUtf8(version), status));
        m_installs += list;
        return list;
    }

    QList<PluginInstall*> m_installs;
};

constexpr auto found = InstallStatus::found;
constexpr auto missing = InstallStatus::notFound;

TEST_F(HighestVersionTest, TakesTheGreatestFoundVersionAndTheFirstAmongEquals) {
    EXPECT_EQ(UpsertCoordinator::highestVersion(installs({{"1.9", found}, {"1.10", found}})),
              QStringLiteral("1.10"));
    EXPECT_EQ(UpsertCoordinator::highestVersion(installs({{"1.0", found}, {"1", found}})),
              QStringLiteral("1.0"));
    EXPECT_EQ(UpsertCoordinator::highestVersion(installs({{"1", found}, {"1.0", found}})),
              QStringLiteral("1"));
    EXPECT_EQ(UpsertCoordinator::highestVersion(installs({{"v2.1", found}, {"1.0.1", found}})),
              QStringLiteral("1.0.1"));
    EXPECT_EQ(UpsertCoordinator::highestVersion(installs({{"9.0", missing}, {"1.2", found}, {"1.1", found}})),
              QStringLiteral("1.2"));
    EXPECT_EQ(UpsertCoordinator::highestVersion(installs({{"", found}, {"beta", found}})), QString());
    EXPECT_EQ(UpsertCoordinator::highestVersion(installs({{"beta", found}, {"", found}})),
              QStringLiteral("beta"));
}

TEST_F(HighestVersionTest, IsEmptyWithoutAFoundInstall) {
    EXPECT_EQ(UpsertCoordinator::highestVersion({}), QString());
    EXPECT_EQ(UpsertCoordinator::highestVersion(installs({{"2.0", missing}})), QString());
}

TEST(VersionOrderTest, KeepsOnlyWholeIntegerPiecesInOrder) {
    EXPECT_EQ(VersionOrder::numbers(QStringLiteral("v2.1.x.-3.+4..05")), (std::vector<qint64>{1, -3, 4, 5}));
    EXPECT_TRUE(VersionOrder::numbers(QString()).empty());
}

} // namespace
