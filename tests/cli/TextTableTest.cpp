#include "cli/TextTable.h"

#include <gtest/gtest.h>

namespace {

TEST(TextTable, PadsColumnsToTheWidestCellAndLeavesTheLastUnpadded) {
    TextTable table({QStringLiteral("Name"), QStringLiteral("Size"), QStringLiteral("Path")});
    table.setRightAligned(1);
    table.addRow({QStringLiteral("Pro-Q 3"), QStringLiteral("21.8 MB"), QStringLiteral("/a")});
    table.addRow({QStringLiteral("X"), QStringLiteral("1 GB"), QStringLiteral("/longer/path")});
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.toString(), QStringLiteral("Name        Size  Path\n"
                                               "Pro-Q 3  21.8 MB  /a\n"
                                               "X           1 GB  /longer/path\n"));
}

TEST(TextTable, ShortRowsAreFilledAndLongRowsCutAndNoLineEndsInSpaces) {
    TextTable table({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    table.addRow({QStringLiteral("one")});
    table.addRow({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"), QStringLiteral("extra")});
    EXPECT_EQ(table.toString(), QStringLiteral("A    B  C\n"
                                               "one\n"
                                               "x    y  z\n"));
}

TEST(TextTable, HeaderOnlyWhenThereAreNoRows) {
    EXPECT_EQ(TextTable({QStringLiteral("Name"), QStringLiteral("Path")}).toString(),
              QStringLiteral("Name  Path\n"));
}

TEST(TextTable, HeadingsSpanTheTableAndTakeNoPartInTheWidths) {
    TextTable table({QStringLiteral("Name"), QStringLiteral("Size")});
    table.setHeaderShown(false);
    table.setIndent(2);
    table.setRightAligned(1);
    table.addHeading(QStringLiteral("A much longer heading (2)"));
    table.addRow({QStringLiteral("Alpha"), QStringLiteral("1 MB")});
    table.addRow({QStringLiteral("Ax"), QStringLiteral("12 MB")});
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.toString(), QStringLiteral("A much longer heading (2)\n"
                                               "  Alpha   1 MB\n"
                                               "  Ax     12 MB\n"));
}

} // namespace
