#include "UpsertFixture.h"

namespace {

class ConsolidateDuplicatesTest : public UpsertFixture {
protected:
    [[nodiscard]] StoreResult consolidate(UpsertSummary* summary = nullptr) {
        return UpsertCoordinator().consolidateDuplicates(store(), summary);
    }

    // The one record left, or a failure when there is not exactly one.
    PluginRecord* onlyRecord() {
        const QList<PluginRecord*> records = store().records();
        EXPECT_EQ(records.size(), 1);
        return records.value(0);
    }

    static QStringList paths(const PluginRecord* record) {
        QStringList result;
        for (const PluginInstall* install : record->installs())
            result.append(install->filePath() + u' ' + rawValue(install->format()));
        return result;
    }
};

// Notes score 4, a favourite 3, tags 2, a description 1 and each install 1. Every case runs in both
// orders of creation, each under a publisher of its own.
TEST_F(ConsolidateDuplicatesTest, HigherScoreSurvivesWhateverTheOrder) {
    const struct {
        const char* label;
        bool notes, favorite, tagged, described;
        int installs, rivalInstalls;
        bool candidateWins;
    } cases[] = {
        {"notes and one install (5) over four installs (4)", true, false, false, false, 1, 4, true},
        {"favourite and tags (5) over four installs (4)", false, true, true, false, 0, 4, true},
        {"favourite and description (4) under five installs (5)", false, true, false, true, 0, 5, false},
        {"tags, description and one install (4) over three installs (3)", false, false, true, true, 1, 3, true},
        {"everything (10) over nine installs (9)", true, true, true, true, 0, 9, true},
        {"notes alone (4) under five installs (5)", true, false, false, false, 0, 5, false},
    };
    int maker = 0;
    for (const auto& c : cases) {
        for (const bool candidateFirst : {true, false}) {
            SCOPED_TRACE(std::string(c.label) + (candidateFirst ? ", candidate first" : ", rival first"));
            const QString publisher = QStringLiteral("Maker %1").arg(++maker);
            const auto makeCandidate = [&] {
                PluginRecord* record = addRecord(QStringLiteral("Synth"), publisher);
                if (c.notes)
                    record->setNotes(QStringLiteral("notes"));
                record->setIsFavorite(c.favorite);
                if (c.tagged)
                    record->addTag(store().insert(new Tag(QStringLiteral("Lead"))));
                if (c.described)
                    record->setBundleDescription(QStringLiteral("described"));
                addInstalls(record, c.installs, QStringLiteral("/candidate/") + publisher);
                return record;
            };
            const auto makeRival = [&] {
                PluginRecord* record = addRecord(QStringLiteral("Synth VST3"), publisher + QStringLiteral(" Inc"));
                addInstalls(record, c.rivalInstalls, QStringLiteral("/rival/") + publisher);
                return record;
            };
            PluginRecord* candidate = candidateFirst ? makeCandidate() : nullptr;
            PluginRecord* rival = makeRival();
            if (!candidate)
                candidate = makeCandidate();
            ASSERT_TRUE(store().save());

            ASSERT_TRUE(consolidate());
            PluginRecord* survivor = c.candidateWins ? candidate : rival;
            ASSERT_FALSE(survivor->isDeleted());
            EXPECT_TRUE((c.candidateWins ? rival : candidate)->isDeleted());
            EXPECT_EQ(survivor->installs().size(), c.installs + c.rivalInstalls);
            EXPECT_EQ(survivor->notes().isEmpty(), !c.notes);
            EXPECT_EQ(survivor->isFavorite(), c.favorite);
            EXPECT_EQ(survivor->tags().size(), c.tagged ? 1 : 0);
            EXPECT_EQ(survivor->bundleDescription().isEmpty(), !c.described);
        }
    }
}

TEST_F(ConsolidateDuplicatesTest, EqualScoresAreDecidedByIdentityAndStillMerge) {
    PluginRecord* noted = addRecord(QStringLiteral("Synth"), QStringLiteral("Maker"));
    noted->setNotes(QStringLiteral("mine"));
    addInstall(noted, QStringLiteral("/a/Synth.vst3"));
    PluginRecord* installed = addRecord(QStringLiteral("Synth AU"), QStringLiteral("Maker"));
    addInstalls(installed, 5, QStringLiteral("/b"));
    ASSERT_TRUE(store().save());
    PluginRecord* expected =
        qHash(installed->id(), size_t(0)) < qHash(noted->id(), size_t(0)) ? installed : noted;

    ASSERT_TRUE(consolidate());
    PluginRecord* survivor = onlyRecord();
    EXPECT_EQ(survivor, expected);
    EXPECT_EQ(survivor->notes(), QStringLiteral("mine"));
    EXPECT_EQ(survivor->installs().size(), 6);
    EXPECT_EQ(store().installs().size(), 6);
}

TEST_F(ConsolidateDuplicatesTest, DuplicateNotesJoinUnlessAlreadyThere) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"", "", ""}, {"", "from the duplicate", "from the duplicate"}, {"mine", "", "mine"},
        {"warm plate, try on vocals", "try on vocals", "warm plate, try on vocals"}, {"same", "same", "same"},
        {"mine", "other", "mine\n\nother"}, {"Mine", "mine", "Mine\n\nmine"},
        {"one\n\ntwo", "two\n\nthree", "one\n\ntwo\n\ntwo\n\nthree"}};
    int maker = 0;
    for (const auto& [mine, theirs, merged] : cases) {
        const QString publisher = QStringLiteral("Maker %1").arg(++maker);
        PluginRecord* survivor = addRecord(QStringLiteral("Synth"), publisher);
        survivor->setNotes(QString::fromUtf8(mine));
        survivor->setIsFavorite(true);
        addInstalls(survivor, 2, QStringLiteral("/s/") + publisher);
        addRecord(QStringLiteral("synth"), publisher)->setNotes(QString::fromUtf8(theirs));
        ASSERT_TRUE(store().save());

        ASSERT_TRUE(consolidate());
        ASSERT_FALSE(survivor->isDeleted());
        EXPECT_EQ(survivor->notes(), QString::fromUtf8(merged)) << '"' << mine << "\" + \"" << theirs << '"';
    }
    EXPECT_EQ(store().records().size(), qsizetype(std::size(cases)));
}

TEST_F(ConsolidateDuplicatesTest, TheDuplicateFillsOnlyWhatIsEmptyAndItsTagsJoinByName) {
    PluginRecord* survivor = addRecord(QStringLiteral("Synth"), QStringLiteral("Maker"));
    survivor->setNotes(QStringLiteral("mine"));
    survivor->setBundleDescription(QStringLiteral("own description"));
    Tag* ownSynth = store().insert(new Tag(QStringLiteral("Synth")));
    survivor->addTag(ownSynth);
    PluginRecord* duplicate = addRecord(QStringLiteral("Synth"), QStringLiteral("Maker"));
    duplicate->setIsFavorite(true);
    duplicate->setBundleDescription(QStringLiteral("other description"));
    duplicate->setCategory(QStringLiteral("Instrument"));
    Tag* otherSynth = store().insert(new Tag(QStringLiteral("Synth")));
    Tag* pad = store().insert(new Tag(QStringLiteral("Pad")));
    Tag* lowerSynth = store().insert(new Tag(QStringLiteral("synth")));
    duplicate->addTag(otherSynth);
    duplicate->addTag(pad);
    duplicate->addTag(lowerSynth);
    ASSERT_TRUE(store().save());

    ASSERT_TRUE(consolidate());
    ASSERT_EQ(onlyRecord(), survivor);
    EXPECT_TRUE(survivor->isFavorite());
    EXPECT_EQ(survivor->bundleDescription(), QStringLiteral("own description"));
    EXPECT_EQ(survivor->category(), QStringLiteral("Instrument"));
    EXPECT_EQ(survivor->notes(), QStringLiteral("mine"));
    EXPECT_EQ(survivor->tags(), (QList<Tag*>{ownSynth, pad, lowerSynth}));
    // Tags outlive the records that carried them.
    EXPECT_EQ(store().tags().size(), 4);
    EXPECT_TRUE(otherSynth->groups().isEmpty());
    EXPECT_EQ(pad->groups(), QList<PluginRecord*>{survivor});
}

TEST_F(ConsolidateDuplicatesTest, InstallsMoveUnlessTheSurvivorHasTheirPathAndFormat) {
    PluginRecord* survivor = addRecord(QStringLiteral("Synth"), QStringLiteral("Maker"));
    survivor->setNotes(QStringLiteral("mine"));
    addInstall(survivor, QStringLiteral("/p/Synth.vst3"), PluginFormat::vst3);
    PluginRecord* first = addRecord(QStringLiteral("Synth"), QStringLiteral("Maker"));
    PluginInstall* samePathAndFormat = addInstall(first, QStringLiteral("/p/Synth.vst3"), PluginFormat::vst3);
    addInstall(first, QStringLiteral("/p/Synth.vst3"), PluginFormat::au);
    addInstall(first, QStringLiteral("/q/Synth.vst3"), PluginFormat::vst3);
    addInstall(first, QStringLiteral("/P/Synth.vst3"), PluginFormat::vst3);
    // The survivor's keys are collected again for each duplicate: this one's /q copy stays behind.
    PluginRecord* second = addRecord(QStringLiteral("Synth"), QStringLiteral("Maker"));
    addInstall(second, QStringLiteral("/q/Synth.vst3"), PluginFormat::vst3);
    addInstall(second, QStringLiteral("/r/Synth.clap"), PluginFormat::clap);
    ASSERT_TRUE(store().save());

    UpsertSummary summary;
    ASSERT_TRUE(consolidate(&summary));
    ASSERT_EQ(onlyRecord(), survivor);
    EXPECT_EQ(summary.recordsConsolidated, 2);
    EXPECT_EQ(paths(survivor), (QStringList{"/p/Synth.vst3 VST3", "/p/Synth.vst3 AU", "/q/Synth.vst3 VST3",
                                            "/P/Synth.vst3 VST3", "/r/Synth.clap CLAP"}));
    EXPECT_EQ(store().installs().size(), 5);
    EXPECT_FALSE(store().installs().contains(samePathAndFormat));
    EXPECT_EQ(diagnosticLines(),
              QStringList{
                  QStringLiteral("[UpsertCoordinator] Consolidated 2 duplicate PluginRecords, deleted 2.")});

    reopen();
    ASSERT_EQ(store().records().size(), 1);
    EXPECT_EQ(store().records()[0]->installs().size(), 5);
    EXPECT_EQ(store().installs().size(), 5);
}

TEST_F(ConsolidateDuplicatesTest, KnownPublishersTakeTheirDisplaySpellingAfterTheMerge) {
    for (const char* publisher : {"Audio Damage, Inc.", "Universal Audio (UADx)", "Thecrowhillcompany", "Valhalla DSP"})
        addRecord(QStringLiteral("Reverb"), QString::fromUtf8(publisher));
    addRecord(QStringLiteral("Reverb VST3"), QStringLiteral("Valhalla DSP"));
    addRecord(QStringLiteral("Foo"), QStringLiteral("The Foo Company Inc."));
    addRecord(QStringLiteral("Bar"), QString());
    ASSERT_TRUE(store().save());

    ASSERT_TRUE(consolidate());
    EXPECT_EQ(diagnosticLines(),
              (QStringList{QStringLiteral("[UpsertCoordinator] Consolidated 1 duplicate PluginRecords, deleted 1."),
                           QStringLiteral("[UpsertCoordinator] Canonicalized publisher display on 3 records.")}));
    EXPECT_FALSE(store().hasChanges());

    reopen();
    QStringList publishers;
    for (const PluginRecord* record : store().records())
        publishers.append(record->publisher());
    EXPECT_EQ(publishers, (QStringList{"Audio Damage", "Universal Audio", "The Crow Hill Company",
                                       "Valhalla DSP", "The Foo Company Inc.", ""}));
}

TEST_F(ConsolidateDuplicatesTest, NothingToDoPrintsAndSavesNothing) {
    addRecord(QStringLiteral("Reverb"), QStringLiteral("Valhalla DSP"));
    addRecord(QStringLiteral("Reverb"), QStringLiteral("Other Maker"));
    addRecord(QStringLiteral("Reverb"), QString());
    ASSERT_TRUE(store().save());

    UpsertSummary summary;
    ASSERT_TRUE(consolidate(&summary));
    EXPECT_EQ(store().records().size(), 3);
    EXPECT_EQ(summary, UpsertSummary{});
    EXPECT_TRUE(diagnosticLines().isEmpty());
    EXPECT_FALSE(store().hasChanges());
}

} // namespace
