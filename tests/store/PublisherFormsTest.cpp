#include "store/PublisherForms.h"

#include "store/CanonicalNames.h"
#include "store/PublisherTable.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(PublisherFormsTest, GivesWhatTheFreeFunctionsGiveAlsoWhenAskedAgain) {
    const QStringList publishers{"",
                                 "Valhalla DSP, LLC",
                                 "Valhalla DSP",
                                 "Moog",
                                 "Thecrowhillcompany",
                                 "XILS 3.2",
                                 "The Foo Company Inc.",
                                 "Foo Co., Ltd",
                                 "  Yamaha Corporation ",
                                 "(UADx)",
                                 "Åkerlund AB"};
    const QStringList names{"Reverb AU64", "  Pro-Q 3 VST3\t", "", "Massive X Inst", "Plateau", "ÉCHO"};
    PublisherForms forms;
    for (int round = 0; round < 2; ++round) {
        for (const QString& publisher : publishers) {
            SCOPED_TRACE(publisher.toStdString());
            EXPECT_EQ(forms.of(publisher).display, displayPublisher(publisher));
            EXPECT_EQ(forms.of(publisher).knownDisplay, knownPublisherDisplayName(publisher));
            for (const QString& name : names)
                EXPECT_EQ(forms.recordKey(name, publisher), recordKey(name, publisher)) << name.toStdString();
        }
    }
}

} // namespace
