#include "UiCatalog.h"

#include "model/PluginRecord.h"
#include "ui/LibraryListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

PluginGroup group(const QString& id)
{
    PluginGroup g;
    g.id = id;
    g.name = id;
    g.publisher = QStringLiteral("Example");
    g.formats = {QStringLiteral("AU")};
    return g;
}

class LibraryListModelTest : public TemporaryCatalogue {
protected:
    void SetUp() override
    {
        TemporaryCatalogue::SetUp();
        if (HasFatalFailure())
            return;
        for (const char* name : {"a", "b", "c", "d", "e"})
            m_records.insert(QString::fromLatin1(name),
                             UiCatalog::addRecord(*m_store, QString::fromLatin1(name), QStringLiteral("Example"),
                                                  {QStringLiteral("AU")}));
    }

    QStringList keys() const
    {
        QStringList result;
        for (int row = 0; row < m_model.rowCount(); ++row)
            result.append(m_model.data(m_model.index(row), LibraryListModel::keyRole).toString());
        return result;
    }

    void show(const QList<LibrarySection>& sections) { m_model.setContents(sections, m_records, {}); }

    QHash<QString, PluginRecord*> m_records;
    LibraryListModel m_model;
    QAbstractItemModelTester m_tester{&m_model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(LibraryListModelTest, FlattensHeadersAndCardsSkipsGroupsWithoutRecordAndExpandsOnlyCards)
{
    show({{QStringLiteral("A"), {group("a"), group("zz")}}, {QStringLiteral("B"), {group("b")}}});
    EXPECT_EQ(keys(), (QStringList{"h:A", "g:a", "h:B", "g:b"}));
    EXPECT_TRUE(m_model.data(m_model.index(0), LibraryListModel::isHeaderRole).toBool());
    // The header counts the section's groups, the one without a record too.
    EXPECT_EQ(m_model.data(m_model.index(0), LibraryListModel::countRole).toInt(), 2);
    EXPECT_EQ(m_model.data(m_model.index(1), LibraryListModel::recordRole).value<PluginRecord*>(), m_records["a"]);
    EXPECT_EQ(m_model.rowOfGroup(QStringLiteral("b")), 3);
    EXPECT_EQ(m_model.rowOfGroup(QStringLiteral("zz")), -1);
    // Only cards expand, and nothing else is written.
    EXPECT_FALSE(m_model.setData(m_model.index(0), true, LibraryListModel::expandedRole));
    EXPECT_FALSE(m_model.setData(m_model.index(1), QStringLiteral("x"), LibraryListModel::nameRole));
    EXPECT_TRUE(m_model.setData(m_model.index(1), true, LibraryListModel::expandedRole));
    EXPECT_TRUE(m_model.data(m_model.index(1), LibraryListModel::expandedRole).toBool());
}

// A changed size or outdated mark updates its row in place; the same contents change nothing.
TEST_F(LibraryListModelTest, ChangedContentIsReportedInPlace)
{
    show({{QStringLiteral("All"), {group("a")}}});
    QSignalSpy changes(&m_model, &QAbstractItemModel::dataChanged);
    PluginGroup renamed = group("a");
    renamed.totalSize = QStringLiteral("3 MB");
    show({{QStringLiteral("All"), {renamed}}});
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.first().at(0).value<QModelIndex>().row(), 1);
    EXPECT_EQ(m_model.data(m_model.index(1), LibraryListModel::totalSizeRole).toString(), QStringLiteral("3 MB"));
    show({{QStringLiteral("All"), {renamed}}});
    EXPECT_EQ(changes.count(), 1);
    EXPECT_FALSE(m_model.data(m_model.index(1), LibraryListModel::possiblyOutdatedRole).toBool());

    // Much older than its publisher's latest install (the fixture's are dated 1 March 2024).
    const QDateTime recent(QDate(2025, 6, 1), QTime(0, 0), Qt::UTC);
    m_model.setContents({{QStringLiteral("All"), {renamed}}}, m_records, {{QStringLiteral("Example"), recent}});
    EXPECT_EQ(changes.count(), 2);
    EXPECT_TRUE(m_model.data(m_model.index(1), LibraryListModel::possiblyOutdatedRole).toBool());
}

// Each step is shown after the one before, checked by the model tester; no step resets, and the
// expanded card "c" stays expanded wherever it goes.
TEST_F(LibraryListModelTest, EveryChangeIsAppliedInPlace)
{
    struct Step {
        const char* what;
        QList<LibrarySection> sections;
        QStringList keys;
        int moves;
    };
    const auto all = [](std::initializer_list<const char*> ids) {
        QList<PluginGroup> groups;
        for (const char* id : ids)
            groups.append(group(QString::fromLatin1(id)));
        return groups;
    };
    const std::vector<Step> steps{
        {"narrowed", {{"A", all({"a", "c"})}, {"B", all({"e"})}}, {"h:A", "g:a", "g:c", "h:B", "g:e"}, 0},
        {"widened again", {{"A", all({"a", "b", "c"})}, {"B", all({"d", "e"})}}, {"h:A", "g:a", "g:b", "g:c", "h:B", "g:d", "g:e"}, 0},
        {"sections swap", {{"B", all({"d", "e"})}, {"A", all({"a", "b", "c"})}}, {"h:B", "g:d", "g:e", "h:A", "g:a", "g:b", "g:c"}, 3},
        {"a card crosses sections", {{"B", all({"c", "d", "e"})}, {"A", all({"a", "b"})}}, {"h:B", "g:c", "g:d", "g:e", "h:A", "g:a", "g:b"}, 1},
        {"reversed", {{"B", all({"e", "d", "c"})}, {"A", all({"b", "a"})}}, {"h:B", "g:e", "g:d", "g:c", "h:A", "g:b", "g:a"}, 3},
        {"removed, inserted and moved at once", {{"C", all({"a"})}, {"B", all({"c", "e"})}}, {"h:C", "g:a", "h:B", "g:c", "g:e"}, 2},
        {"emptied", {}, {}, 0},
        {"filled", {{"A", all({"c", "a"})}}, {"h:A", "g:c", "g:a"}, 0},
    };
    show({{QStringLiteral("A"), all({"a", "b", "c"})}, {QStringLiteral("B"), all({"d", "e"})}});
    m_model.setExpanded(m_model.rowOfGroup(QStringLiteral("c")), true);
    QSignalSpy resets(&m_model, &QAbstractItemModel::modelReset);
    QSignalSpy moves(&m_model, &QAbstractItemModel::rowsMoved);
    for (const Step& step : steps) {
        moves.clear();
        show(step.sections);
        EXPECT_EQ(keys(), step.keys) << step.what;
        EXPECT_EQ(moves.count(), step.moves) << step.what;
        const int c = m_model.rowOfGroup(QStringLiteral("c"));
        if (c >= 0 && std::string_view(step.what) != "filled") {
            EXPECT_TRUE(m_model.data(m_model.index(c), LibraryListModel::expandedRole).toBool()) << step.what;
        }
    }
    EXPECT_EQ(resets.count(), 0);
}

// Past maximumMoves rows changing places, one reset replaces the moves, expansion kept.
TEST_F(LibraryListModelTest, ManyMovesBecomeOneReset)
{
    for (const qsizetype moved : {LibraryListModel::maximumMoves, LibraryListModel::maximumMoves + 1}) {
        QList<PluginGroup> forward;
        for (qsizetype i = 0; i <= moved; ++i) {
            const QString id = QStringLiteral("r%1").arg(i, 4, 10, QLatin1Char('0'));
            if (!m_records.contains(id))
                m_records.insert(id, m_records.value(QStringLiteral("a")));
            forward.append(group(id));
        }
        show({{QStringLiteral("A"), forward}});
        m_model.setExpanded(m_model.rowOfGroup(QStringLiteral("r0000")), true);
        QSignalSpy resets(&m_model, &QAbstractItemModel::modelReset);
        std::reverse(forward.begin(), forward.end());
        show({{QStringLiteral("A"), forward}});
        EXPECT_EQ(resets.count(), moved > LibraryListModel::maximumMoves ? 1 : 0) << moved;
        const int last = m_model.rowOfGroup(QStringLiteral("r0000"));
        EXPECT_EQ(last, int(moved) + 1) << moved;
        EXPECT_TRUE(m_model.data(m_model.index(last), LibraryListModel::expandedRole).toBool()) << moved;
        show({});
    }
}

} // namespace
