#include "UpsertFixture.h"

using namespace Qt::StringLiterals;

namespace {

class UpsertCoordinatorTest : public UpsertFixture {
protected:
    PluginInstall* installAt(const QString& filePath, PluginFormat format) {
        PluginInstall* match = nullptr;
        for (PluginInstall* install : store().installs()) {
            if (install->filePath() == filePath && install->format() == format) {
                EXPECT_EQ(match, nullptr) << "two installs at " << filePath.toStdString();
                match = install;
            }
        }
        EXPECT_NE(match, nullptr) << "no install at " << filePath.toStdString();
        return match;
    }

    static UpsertSummary summaryOf(int recordsCreated, int installsCreated, int markedNotFound,
                                   int foundAgain, int consolidated = 0) {
        return {recordsCreated, installsCreated, markedNotFound, foundAgain, consolidated};
    }
};

TEST_F(UpsertCoordinatorTest, FirstScanCreatesRecordsAndInstallsWithEveryScannedField) {
    ScannedPlugin reverb =
        scanned(QStringLiteral("Reverb VST3"), QStringLiteral("Valhalla DSP, LLC"),
                QStringLiteral("/plugins/VST3/Reverb.vst3"), PluginFormat::vst3, QStringLiteral("1.9"));
    reverb.architecture = PluginArchitecture::arm64;
    reverb.bundleID = QStringLiteral("com.valhalla.reverb");
    reverb.fileSize = 12'345'678'901;
    reverb.dateModified = QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58, 123), Qt::UTC);
    reverb.installDate = QDateTime(QDate(2023, 1, 2), QTime(3, 4, 5), Qt::UTC);
    reverb.category = QStringLiteral("Effect");
    reverb.bundleDescription = QStringLiteral("A reverb");
    ScannedPlugin component = scanned(QStringLiteral("Reverb"), QStringLiteral("Valhalla DSP"),
                                      QStringLiteral("/plugins/Components/Reverb.component"),
                                      PluginFormat::au, QStringLiteral("1.10"));
    component.auComponentType = QStringLiteral("aufx");
    component.auComponentSubType = QStringLiteral("Rvrb");
    component.auComponentManufacturer = QStringLiteral("oDin");

    UpsertSummary summary;
    const StoreResult result = upsert({reverb, component}, &summary);
    ASSERT_TRUE(result) << result.errorDescription().toStdString();
    EXPECT_EQ(summary, summaryOf(1, 2, 0, 0));
    EXPECT_FALSE(store().hasChanges());
    EXPECT_TRUE(diagnosticLines().isEmpty());

    reopen();
    PluginRecord* record = recordNamed(QStringLiteral("Reverb"));
    ASSERT_TRUE(record);
    QStringList stored{QStringList{record->publisher(), record->category(), record->bundleDescription(),
                                   record->displayVersion(), record->isFavorite() ? u"favourite"_s : u""_s}.join(u'|')};
    for (const PluginInstall* i : record->installs())
        stored.append(QStringList{i->filePath(), rawValue(i->format()), i->version(), rawValue(i->architecture()),
                                  QString::number(i->fileSize()), i->dateModified().toUTC().toString(Qt::ISODateWithMs),
                                  i->installDate().toUTC().toString(Qt::ISODateWithMs), i->bundleID(), rawValue(i->status()),
                                  i->auComponentType() + i->auComponentSubType() + i->auComponentManufacturer()}
                          .join(u'|'));
    EXPECT_EQ(stored, (QStringList{"Valhalla DSP|Effect|A reverb|1.10|",
                                   "/plugins/VST3/Reverb.vst3|VST3|1.9|Apple Silicon|12345678901|2024-02-29T23:59:58.123Z|"
                                   "2023-01-02T03:04:05.000Z|com.valhalla.reverb|found|",
                                   "/plugins/Components/Reverb.component|AU|1.10|Universal|1000|2026-12-05T10:00:00.000Z|"
                                   "2025-03-17T08:30:00.000Z|com.example.Reverb|found|aufxRvrboDin"}));
}

TEST_F(UpsertCoordinatorTest, RecordsTakeTheGroupedDisplayName) {
    UpsertSummary summary;
    ASSERT_TRUE(upsert({scanned(QStringLiteral("plate_reverb"), QStringLiteral("Valhalla DSP, LLC"),
                                QStringLiteral("/p/plate_reverb.vst3")),
                        scanned(QStringLiteral("Valhalla Room"), QStringLiteral("Valhalla DSP"),
                                QStringLiteral("/p/Valhalla Room.vst3")),
                        scanned(QStringLiteral("Pro-Q 3 AU"), QStringLiteral("Equaliser Co"),
                                QStringLiteral("/p/Pro-Q 3.component"), PluginFormat::au),
                        scanned(QStringLiteral("Pro-Q 3"), QStringLiteral("Equaliser Co"),
                                QStringLiteral("/p/Pro-Q 3.vst3"))},
                       &summary));
    EXPECT_EQ(summary, summaryOf(3, 4, 0, 0));
    // The group drops the maker's name from the front.
    QStringList records;
    for (const PluginRecord* record : store().records())
        records.append(QStringLiteral("%1 | %2 | %3").arg(record->name(), record->publisher()).arg(record->installs().size()));
    EXPECT_EQ(records, (QStringList{"Plate Reverb | Valhalla DSP | 1", "Room | Valhalla DSP | 1", "Pro-Q 3 | Equaliser Co | 2"}));
}

TEST_F(UpsertCoordinatorTest, TheLastScannedPluginOfAProductSetsNameAndPublisher) {
    for (const bool suffixLast : {false, true}) {
        SCOPED_TRACE(suffixLast);
        reopen();
        for (PluginRecord* record : store().records())
            store().remove(record);
        PluginRecord* existing = addRecord(QStringLiteral("reverb"), QStringLiteral("Foo"));
        ASSERT_TRUE(store().save());

        const ScannedPlugin plain =
            scanned(QStringLiteral("Reverb"), QStringLiteral("Foo"), QStringLiteral("/p/Reverb.vst3"));
        const ScannedPlugin suffixed = scanned(QStringLiteral("Reverb AU"), QStringLiteral("Foo Inc"),
                                               QStringLiteral("/p/Reverb.component"), PluginFormat::au);
        UpsertSummary summary;
        ASSERT_TRUE(
            upsert(suffixLast ? QList<ScannedPlugin>{plain, suffixed} : QList<ScannedPlugin>{suffixed, plain},
                   &summary));
        ASSERT_EQ(store().records(), QList<PluginRecord*>{existing});
        EXPECT_EQ(existing->name(), QStringLiteral("Reverb"));
        EXPECT_EQ(existing->publisher(), suffixLast ? QStringLiteral("Foo Inc") : QStringLiteral("Foo"));
        EXPECT_EQ(summary, summaryOf(0, 2, 0, 0));
    }
}

TEST_F(UpsertCoordinatorTest, CategoryAndDescriptionComeFromTheFirstScanThatHasThemAndStay) {
    PluginRecord* existing = addRecord(QStringLiteral("Reverb"), QStringLiteral("Foo"));
    existing->setCategory(QStringLiteral("Reverb"));
    ASSERT_TRUE(store().save());

    ScannedPlugin first =
        scanned(QStringLiteral("Reverb"), QStringLiteral("Foo"), QStringLiteral("/p/Reverb.vst3"));
    first.category = QStringLiteral("Delay");
    ScannedPlugin second = scanned(QStringLiteral("Reverb"), QStringLiteral("Foo"),
                                   QStringLiteral("/p/Reverb.clap"), PluginFormat::clap);
    second.bundleDescription = QStringLiteral("Plate reverb");
    ScannedPlugin third = scanned(QStringLiteral("Reverb"), QStringLiteral("Foo"),
                                  QStringLiteral("/p/Reverb.component"), PluginFormat::au);
    third.bundleDescription = QStringLiteral("Another text");
    third.category = QStringLiteral("Effect");
    ScannedPlugin fresh =
        scanned(QStringLiteral("Synth"), QStringLiteral("Foo"), QStringLiteral("/p/Synth.vst3"));
    ScannedPlugin freshLater = scanned(QStringLiteral("Synth"), QStringLiteral("Foo"),
                                       QStringLiteral("/p/Synth.clap"), PluginFormat::clap);
    freshLater.category = QStringLiteral("Instrument");
    freshLater.bundleDescription = QStringLiteral("Polysynth");

    ASSERT_TRUE(upsert({first, second, third, fresh, freshLater}));
    EXPECT_EQ(existing->category(), QStringLiteral("Reverb"));
    EXPECT_EQ(existing->bundleDescription(), QStringLiteral("Plate reverb"));
    PluginRecord* synth = recordNamed(QStringLiteral("Synth"));
    ASSERT_TRUE(synth);
    EXPECT_EQ(synth->category(), QStringLiteral("Instrument"));
    EXPECT_EQ(synth->bundleDescription(), QStringLiteral("Polysynth"));

    // A later scan never replaces them.
    first.category = QStringLiteral("Changed");
    first.bundleDescription = QStringLiteral("Changed");
    ASSERT_TRUE(upsert({first}));
    EXPECT_EQ(existing->category(), QStringLiteral("Reverb"));
    EXPECT_EQ(existing->bundleDescription(), QStringLiteral("Plate reverb"));
}

TEST_F(UpsertCoordinatorTest, MissingInstallsAreMarkedNotFoundAndFoundAgainLater) {
    const ScannedPlugin reverb =
        scanned(QStringLiteral("Reverb"), QStringLiteral("Foo"), QStringLiteral("/p/Reverb.vst3"),
                PluginFormat::vst3, QStringLiteral("2.0"));
    const ScannedPlugin older =
        scanned(QStringLiteral("Reverb"), QStringLiteral("Foo"), QStringLiteral("/q/Reverb.vst3"),
                PluginFormat::vst3, QStringLiteral("3.0"));
    UpsertSummary summary;
    ASSERT_TRUE(upsert({reverb, older}, &summary));
    EXPECT_EQ(summary, summaryOf(1, 2, 0, 0));
    PluginRecord* record = recordNamed(QStringLiteral("Reverb"));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->displayVersion(), QStringLiteral("3.0"));

    ASSERT_TRUE(upsert({reverb}, &summary));
    EXPECT_EQ(summary, summaryOf(0, 0, 1, 0));
    EXPECT_EQ(installAt(older.filePath, PluginFormat::vst3)->status(), InstallStatus::notFound);
    EXPECT_EQ(record->displayVersion(), QStringLiteral("2.0"));

    // Once marked, a missing install is not counted again.
    ASSERT_TRUE(upsert({reverb}, &summary));
    EXPECT_EQ(summary, summaryOf(0, 0, 0, 0));

    ASSERT_TRUE(upsert({reverb, older}, &summary));
    EXPECT_EQ(summary, summaryOf(0, 0, 0, 1));
    EXPECT_EQ(installAt(older.filePath, PluginFormat::vst3)->status(), InstallStatus::found);
    EXPECT_EQ(record->displayVersion(), QStringLiteral("3.0"));
}

TEST_F(UpsertCoordinatorTest, OnePathInTwoFormatsGivesTwoInstalls) {
    const QString path = QStringLiteral("/p/Reverb.bundle");
    UpsertSummary summary;
    ASSERT_TRUE(upsert({scanned(QStringLiteral("Reverb"), QStringLiteral("Foo"), path, PluginFormat::vst3),
                        scanned(QStringLiteral("Reverb"), QStringLiteral("Foo"), path, PluginFormat::au)},
                       &summary));
    EXPECT_EQ(summary, summaryOf(1, 2, 0, 0));
    ASSERT_EQ(store().installs().size(), 2);
    EXPECT_EQ(installAt(path, PluginFormat::vst3)->group(), installAt(path, PluginFormat::au)->group());

    ASSERT_TRUE(
        upsert({scanned(QStringLiteral("Reverb"), QStringLiteral("Foo"), path, PluginFormat::au)}, &summary));
    EXPECT_EQ(summary, summaryOf(0, 0, 1, 0));
    EXPECT_EQ(installAt(path, PluginFormat::vst3)->status(), InstallStatus::notFound);
    EXPECT_EQ(installAt(path, PluginFormat::au)->status(), InstallStatus::found);
}

TEST_F(UpsertCoordinatorTest, EmptyScanMarksEverythingNotFoundButStillConsolidates) {
    PluginRecord* survivor = addRecord(QStringLiteral("Reverb"), QStringLiteral("Valhalla DSP, LLC"));
    survivor->setNotes(QStringLiteral("keeper"));
    addInstall(survivor, QStringLiteral("/p/Reverb.vst3"));
    PluginRecord* duplicate = addRecord(QStringLiteral("Reverb AU"), QStringLiteral("Valhalla DSP"));
    addInstall(duplicate, QStringLiteral("/p/Reverb.component"), PluginFormat::au);
    PluginRecord* delay = addRecord(QStringLiteral("Delay"), QStringLiteral("Foo"));
    addInstall(delay, QStringLiteral("/p/Delay.vst3"), PluginFormat::vst3, {}, InstallStatus::notFound);
    ASSERT_TRUE(store().save());

    UpsertSummary summary;
    ASSERT_TRUE(upsert({}, &summary));
    EXPECT_EQ(summary, summaryOf(0, 0, 2, 0, 1));
    EXPECT_EQ(store().records(), (QList<PluginRecord*>{survivor, delay}));
    // It took the display publisher while merging, so nothing is left to canonicalise.
    EXPECT_EQ(survivor->publisher(), QStringLiteral("Valhalla DSP"));
    EXPECT_EQ(store().installs().size(), 3);
    for (const PluginInstall* install : store().installs())
        EXPECT_EQ(install->status(), InstallStatus::notFound) << install->filePath().toStdString();
    EXPECT_EQ(diagnosticLines(),
              QStringList{
                  QStringLiteral("[UpsertCoordinator] Consolidated 1 duplicate PluginRecords, deleted 1.")});
    EXPECT_FALSE(store().hasChanges());
}

TEST_F(UpsertCoordinatorTest, AnInstallMovesToTheRecordOfItsNewProductKey) {
    PluginRecord* old = addRecord(QStringLiteral("Old Name"), QStringLiteral("Foo"));
    PluginInstall* install = addInstall(old, QStringLiteral("/p/Thing.vst3"));
    ASSERT_TRUE(store().save());

    UpsertSummary summary;
    ASSERT_TRUE(
        upsert({scanned(QStringLiteral("New Name"), QStringLiteral("Foo"), QStringLiteral("/p/Thing.vst3"))},
               &summary));
    EXPECT_EQ(summary, summaryOf(1, 0, 0, 0));
    PluginRecord* renamed = recordNamed(QStringLiteral("New Name"));
    ASSERT_TRUE(renamed);
    EXPECT_EQ(install->group(), renamed);
    EXPECT_EQ(renamed->installs(), QList<PluginInstall*>{install});
    EXPECT_TRUE(old->installs().isEmpty());
    EXPECT_EQ(store().records().size(), 2);
}

TEST_F(UpsertCoordinatorTest, OfTwoInstallsWithOneKeyOnlyTheLaterIsUpdated) {
    PluginRecord* record = addRecord(QStringLiteral("Reverb"), QStringLiteral("Foo"));
    PluginInstall* earlier = addInstall(record, QStringLiteral("/p/Reverb.vst3"), PluginFormat::vst3,
                                        QStringLiteral("1"), InstallStatus::notFound);
    PluginInstall* later = addInstall(record, QStringLiteral("/p/Reverb.vst3"), PluginFormat::vst3,
                                      QStringLiteral("1"), InstallStatus::notFound);
    ASSERT_TRUE(store().save());

    UpsertSummary summary;
    ASSERT_TRUE(upsert({scanned(QStringLiteral("Reverb"), QStringLiteral("Foo"),
                                QStringLiteral("/p/Reverb.vst3"), PluginFormat::vst3, QStringLiteral("2"))},
                       &summary));
    EXPECT_EQ(summary, summaryOf(0, 0, 0, 1));
    EXPECT_EQ(later->status(), InstallStatus::found);
    EXPECT_EQ(later->version(), QStringLiteral("2"));
    EXPECT_EQ(earlier->status(), InstallStatus::notFound);
    EXPECT_EQ(earlier->version(), QStringLiteral("1"));
}

TEST_F(UpsertCoordinatorTest, DisplayVersionIsTheHighestFoundOneOfTheRecordsScanned) {
    PluginRecord* existing = addRecord(QStringLiteral("Delay"), QStringLiteral("Foo"));
    existing->setDisplayVersion(QStringLiteral("0.1"));
    addInstall(existing, QStringLiteral("/old/Delay.vst3"), PluginFormat::vst3, QStringLiteral("9.0"),
               InstallStatus::notFound);
    PluginRecord* untouched = addRecord(QStringLiteral("Chorus"), QStringLiteral("Foo"));
    untouched->setDisplayVersion(QStringLiteral("stale"));
    ASSERT_TRUE(store().save());

    ASSERT_TRUE(upsert({scanned(u"Delay"_s, u"Foo"_s, u"/p/Delay.vst3"_s, PluginFormat::vst3, u"v2.1"_s),
                        scanned(u"Delay"_s, u"Foo"_s, u"/p/Delay.clap"_s, PluginFormat::clap, u"1.5"_s)}));
    // "v2.1" counts as 1, and the not-found "9.0" not at all.
    EXPECT_EQ(existing->displayVersion(), QStringLiteral("1.5"));
    EXPECT_EQ(untouched->displayVersion(), QStringLiteral("stale"));
}

TEST_F(UpsertCoordinatorTest, FailedRecordSaveKeepsRecordsPendingAndCreatesNoInstall) {
    ASSERT_TRUE(
        upsert({scanned(QStringLiteral("Delay"), QStringLiteral("Foo"), QStringLiteral("/p/Delay.vst3"))}));
    store().setBusyTimeout(50);
    const QList<ScannedPlugin> plugins{
        scanned(QStringLiteral("Reverb"), QStringLiteral("Foo"), QStringLiteral("/p/Reverb.vst3"))};
    {
        RawDatabase lock(path());
        ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN IMMEDIATE")));
        UpsertSummary summary;
        const StoreResult failed = upsert(plugins, &summary);
        EXPECT_FALSE(failed);
        EXPECT_EQ(
            failed.errorDescription(),
            QStringLiteral("Could not save the catalogue \"%1\": The catalogue is locked by another process. "
                           "(database is locked)")
                .arg(path()));
        EXPECT_EQ(summary, summaryOf(1, 0, 0, 0));
        EXPECT_EQ(store().records().size(), 2);
        EXPECT_EQ(store().installs().size(), 1);
        EXPECT_EQ(store().installs()[0]->status(), InstallStatus::found);
        EXPECT_TRUE(store().hasChanges());
    }

    UpsertSummary summary;
    ASSERT_TRUE(upsert(plugins, &summary));
    EXPECT_EQ(summary, summaryOf(0, 1, 1, 0));
    EXPECT_EQ(store().records().size(), 2);
    reopen();
    EXPECT_EQ(store().records().size(), 2);
    EXPECT_EQ(store().installs().size(), 2);
}

TEST_F(UpsertCoordinatorTest, FailedConsolidationEndsTheUpsertBeforeAnythingElse) {
    addRecord(QStringLiteral("Reverb"), QStringLiteral("Foo"));
    addRecord(QStringLiteral("Reverb"), QStringLiteral("Foo"));
    ASSERT_TRUE(store().save());
    store().setBusyTimeout(50);

    RawDatabase lock(path());
    ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN IMMEDIATE")));
    UpsertSummary summary;
    const StoreResult failed = upsert(
        {scanned(QStringLiteral("Synth"), QStringLiteral("Foo"), QStringLiteral("/p/Synth.vst3"))}, &summary);
    EXPECT_FALSE(failed);
    EXPECT_TRUE(failed.errorDescription().contains(QStringLiteral("locked by another process")));
    EXPECT_EQ(summary, summaryOf(0, 0, 0, 0, 1));
    EXPECT_EQ(store().records().size(), 1);
    EXPECT_TRUE(store().installs().isEmpty());
    // No line for a merge that is not saved; it stays pending for the next save.
    EXPECT_TRUE(diagnosticLines().isEmpty());
    EXPECT_TRUE(store().hasChanges());
}

} // namespace
