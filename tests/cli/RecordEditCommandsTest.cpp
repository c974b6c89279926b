#include "LibraryCatalog.h"
#include "support/QtPrinters.h"

#include "model/Tag.h"

namespace {

class RecordEditCommandsTest : public LibraryCatalog {
protected:
    QStringList tagNames(const QString& recordName) {
        QStringList names;
        if (const PluginRecord* record = reopened(recordName))
            for (const Tag* tag : record->tags())
                names.append(tag->name());
        names.sort();
        return names;
    }
};

TEST_F(RecordEditCommandsTest, FavoriteAndNoteAreSavedAtOnce) {
    CliRun edited = run({QStringLiteral("favorite"), QStringLiteral("VINTAGE TAPE")});
    EXPECT_EQ(edited.exitCode, 0);
    EXPECT_EQ(edited.out, QStringLiteral("Vintage Tape is a favorite.\n"));
    EXPECT_TRUE(reopened(QStringLiteral("Vintage Tape"))->isFavorite());
    EXPECT_EQ(run({QStringLiteral("list"), QStringLiteral("--favorites")}).out.section(u'\n', 0, 0),
              QStringLiteral("Zuzuze Vizozod 1 of 4 plugins"));

    edited = run({QStringLiteral("favorite"), QStringLiteral("Vintage Tape"), QStringLiteral("--off")});
    EXPECT_EQ(edited.out, QStringLiteral("Vintage Tape is not a favorite.\n"));
    EXPECT_FALSE(reopened(QStringLiteral("Vintage Tape"))->isFavorite());

    edited = run({QStringLiteral("note"), QStringLiteral("vintage tape"), QStringLiteral("Warm on drums.")});
    EXPECT_EQ(edited.out, QStringLiteral("Saved the notes of Vintage Tape.\n"));
    EXPECT_EQ(reopened(QStringLiteral("Vintage Tape"))->notes(), QStringLiteral("Warm on drums."));
    edited = run({QStringLiteral("note"), QStringLiteral("vintage tape"), QString()});
    EXPECT_EQ(edited.out, QStringLiteral("Cleared the notes of Vintage Tape.\n"));
    EXPECT_EQ(reopened(QStringLiteral("Vintage Tape"))->notes(), QString());
}

TEST_F(RecordEditCommandsTest, TagsAreLowerCasedTrimmedAndShared) {
    CliRun edited = run({QStringLiteral("tag"), QStringLiteral("Pro-Q 3"), QStringLiteral("  Mixing\t"),
                         QStringLiteral("EQ"), QStringLiteral("eq")});
    EXPECT_EQ(edited.exitCode, 0);
    EXPECT_EQ(edited.out, QStringLiteral("Tags of Pro-Q 3: eq, mixing\n"));
    edited = run({QStringLiteral("tag"), QStringLiteral("808 Drums"), QStringLiteral("MIXING")});
    EXPECT_EQ(edited.out, QStringLiteral("Tags of 808 Drums: mixing\n"));
    EXPECT_EQ(tagNames(QStringLiteral("Pro-Q 3")), (QStringList{"eq", "mixing"}));
    reopen();
    EXPECT_EQ(store().tags().size(), 2);
    EXPECT_EQ(run({QStringLiteral("list"), QStringLiteral("--tag"), QStringLiteral("Mixing"),
                   QStringLiteral("--tag"), QStringLiteral("eq")})
                  .out.section(u'\n', 0, 0),
              QStringLiteral("Zuzuze Vizozod 1 of 4 plugins"));

    edited = run({QStringLiteral("untag"), QStringLiteral("Pro-Q 3"), QStringLiteral("MIXING"),
                  QStringLiteral("bus")});
    EXPECT_EQ(edited.exitCode, 0);
    EXPECT_EQ(edited.out, QStringLiteral("Tags of Pro-Q 3: eq\n"));
    EXPECT_EQ(edited.err, QStringLiteral("zuzuze-vizozod: warning: Pro-Q 3 has no tag \"bus\".\n"));
    edited = run({QStringLiteral("untag"), QStringLiteral("808 Drums"), QStringLiteral("mixing")});
    EXPECT_EQ(edited.out, QStringLiteral("808 Drums has no tags.\n"));
    // The tag outlives its last use, so the filter can still offer it.
    reopen();
    EXPECT_EQ(store().tags().size(), 2);
    EXPECT_EQ(tagNames(QStringLiteral("Pro-Q 3")), QStringList{"eq"});
}

TEST_F(RecordEditCommandsTest, NameMatchesWholeInAnyCaseElseAUniqueStart) {
    addInstall(addRecord(QStringLiteral("Pro-C 2"), QStringLiteral("FabFilter")), PluginFormat::vst3);
    struct Case {
        QString name;
        int exitCode;
        QString out;
        QString err;
    };
    const QList<Case> cases{
        {QStringLiteral("PRO-Q 3"), 0, QStringLiteral("Pro-Q 3 is a favorite.\n"), QString()},
        {QStringLiteral("vint"), 0, QStringLiteral("Vintage Tape is a favorite.\n"), QString()},
        {QStringLiteral("pro"), 1, QString(),
         QStringLiteral("zuzuze-vizozod: \"pro\" names 2 plug-ins: Pro-C 2, Pro-Q 3. Give the full name.\n")},
        {QStringLiteral("tape"), 1, QString(),
         QStringLiteral(
             "zuzuze-vizozod: no plug-in is named \"tape\". Names containing it: Vintage Tape.\n")},
        {QStringLiteral("Gone Synth"), 1, QString(),
         QStringLiteral("zuzuze-vizozod: no plug-in is named \"Gone Synth\".\n")},
    };
    for (const Case& c : cases) {
        const CliRun edited = run({QStringLiteral("favorite"), c.name});
        EXPECT_EQ(edited.exitCode, c.exitCode) << c.name.toStdString();
        EXPECT_EQ(edited.out, c.out);
        EXPECT_EQ(edited.err, c.err);
    }
    EXPECT_FALSE(reopened(QStringLiteral("Pro-C 2"))->isFavorite());
}

} // namespace
