import QtQuick
import QtQuick.Controls
import QtTest
import ZuzuzeVizozod
import ZuzuzeVizozod.Testing

// The card's badges and star, and the detail's installs and tags.
// Where the tested items live: TestCase itself is never shown, and hidden items take no focus.
Item {
    id: stage
    width: 1000
    height: 800

    TestCase {
        name: "PluginCard"
        when: windowShown

        Component {
            id: cardComponent
            PluginCardView {
                width: 760
            }
        }

        Component {
            id: spyComponent
            SignalSpy {}
        }

        Component {
            id: detailComponent
            PluginCardDetailView {
                width: 600
            }
        }

        function badgeTexts(card) {
            const column = findChild(card, "formatColumn")
            const texts = []
            for (let i = 0; i < column.children.length; ++i) {
                const child = column.children[i]
                if (child.format !== undefined && child.visible)
                    texts.push(child.format)
            }
            return texts
        }

        function test_badges_data() {
            return [
                { tag: "five formats", formats: ["AU", "VST", "VST3", "AAX", "CLAP"], badges: ["AU", "VST", "VST3", "AAX"],
                  overflow: "+1" },
                { tag: "four formats", formats: ["AU", "VST", "VST3", "AAX"], badges: ["AU", "VST", "VST3", "AAX"] },
                { tag: "Intel only", architectures: ["Intel 64"], rosetta: true },
                { tag: "Apple Silicon and Intel", architectures: ["Apple Silicon", "Intel 64"] },
                { tag: "unknown", architectures: ["Unknown"] },
            ]
        }

        function test_badges(data) {
            const card = createTemporaryObject(cardComponent, stage,
                                               { formats: data.formats || ["AU"], architectures: data.architectures || [] })
            if (data.badges)
                compare(badgeTexts(card), data.badges)
            const overflow = findChild(card, "formatOverflow")
            compare(overflow.visible, data.overflow !== undefined)
            if (data.overflow)
                compare(overflow.overflow, data.overflow)
            compare(findChild(card, "rosettaBadge").visible, !!data.rosetta)
        }

        function test_category_line_and_outdated_tooltip_texts() {
            compare(CardPresentation.outdatedTooltip("u-he"),
                    "Possibly outdated \u2014 a newer plugin from u-he was installed recently.")
            const store = UiFixture.newStore()
            const record = UiFixture.addRecord(store, "Zzq Unlisted Thing", "Nobody In Particular", ["AU"])
            const card = createTemporaryObject(cardComponent, stage,
                                               { name: record.name, publisher: record.publisher, record: record })
            compare(findChild(card, "categoryLine").text, "Effect \u00B7 Nobody In Particular")
            record.category = "Instrument"
            compare(findChild(card, "categoryLine").text, "Instrument \u00B7 Nobody In Particular")
            // Without a publisher the category stands alone, with no dangling separator.
            card.publisher = ""
            compare(findChild(card, "categoryLine").text, "Instrument")
        }

        // The star toggles the favourite and its tooltip; a click elsewhere asks to expand.
        function test_star_and_card_clicks() {
            const store = UiFixture.newStore()
            const record = UiFixture.addRecord(store, "Diva", "u-he", ["AU"])
            const card = createTemporaryObject(cardComponent, stage, { name: "Diva", record: record })
            const spy = createTemporaryObject(spyComponent, stage, { target: card, signalName: "toggleRequested" })
            const star = findChild(card, "favoriteButton")
            compare(star.ToolTip.text, "Add to favorites")
            mouseClick(star)
            compare([record.isFavorite, star.ToolTip.text], [true, "Remove from favorites"])
            mouseClick(star)
            verify(!record.isFavorite)
            compare(spy.count, 0)
            mouseClick(findChild(card, "cardMainButton"))
            compare(spy.count, 1)
            card.isExpanded = true
            tryVerify(() => findChild(card, "detailView") !== null)
            tryCompare(findChild(card, "chevron"), "rotation", 90)
        }

        function test_installs_found_first_then_by_format() {
            const store = UiFixture.newStore()
            const record = UiFixture.addRecord(store, "Mixed", "Example", [])
            UiFixture.addInstall(store, record, "CLAP", "Apple Silicon", true)
            UiFixture.addInstall(store, record, "AU", "Intel 64", false)
            UiFixture.addInstall(store, record, "VST3", "Universal", true)
            UiFixture.addInstall(store, record, "AU", "Apple Silicon", true)
            UiFixture.addInstall(store, record, "VST", "Apple Silicon", false)
            UiFixture.addInstall(store, record, "VST3", "Apple Silicon", true)
            const detail = createTemporaryObject(detailComponent, stage, { group: record })
            // Equal ones keep their stored order.
            const order = detail.installs.map(install => install.format + " " + install.architecture
                                                         + (install.notFound ? " missing" : ""))
            compare(order, ["AU Apple Silicon", "VST3 Universal", "VST3 Apple Silicon", "CLAP Apple Silicon",
                            "AU Intel 64 missing", "VST Apple Silicon missing"])
            compare(detail.installs[0].sizeText, "1.5 MB")
            compare(findChild(detail, "installRepeater").count, 6)
        }

        function test_a_group_of_several_records_lists_every_install_under_its_record() {
            const store = UiFixture.newStore()
            const first = UiFixture.addRecord(store, "Pro-Q 3", "FabFilter", ["AU"])
            UiFixture.addRecord(store, "Pro-Q 3", "Fabfilter Software", ["VST3", "CLAP"])
            const gone = UiFixture.addRecord(store, "Pro-Q 3", "Old Maker", [])
            UiFixture.addInstall(store, gone, "AAX", "Intel 64", false)
            const alone = UiFixture.addRecord(store, "Zzq Unlisted Thing", "FabFilter", ["VST3"])

            const detail = createTemporaryObject(detailComponent, stage, { group: first })
            compare(detail.installs.map(install => install.heading + "|" + install.format),
                    ["Pro-Q 3 \u2014 FabFilter|AU", "Pro-Q 3 \u2014 Fabfilter Software|VST3", "|CLAP"])
            compare(findChild(detail, "installRepeater").count, 3)
            // One record alone has no headings; its About section (no bundled text for the name) shows
            // only with a text.
            const single = createTemporaryObject(detailComponent, stage, { group: alone })
            compare(single.installs.map(install => install.heading), [""])
            verify(!findChild(single, "aboutSection").visible)
            alone.bundleDescription = "A thing."
            verify(findChild(single, "aboutSection").visible)
            compare(single.aboutText, "A thing.")
        }

        function test_adding_tags_lowercases_trims_and_reuses() {
            const store = UiFixture.newStore()
            // A tag another record has is reused, never stored twice.
            verify(TagActions.addTag(UiFixture.addRecord(store, "Diva", "u-he", ["AU"]), "mixing"))
            const record = UiFixture.addRecord(store, "Pro-Q 3", "FabFilter", ["AU"])
            const detail = createTemporaryObject(detailComponent, stage, { group: record })
            const field = findChild(detail, "tagField")
            field.forceActiveFocus()
            keyClick(Qt.Key_Space)
            "Mixing".split("").forEach(letter => keyClick(letter))
            keyClick(Qt.Key_Space)
            compare(detail.newTagText, " Mixing ")
            verify(findChild(detail, "addTagButton").visible)
            keyClick(Qt.Key_Return)
            compare([CardPresentation.sortedTagNames(record), detail.newTagText, field.text,
                     findChild(detail, "addTagButton").visible], [["mixing"], "", "", false])

            detail.newTagText = "MIXING"
            detail.addTag()
            compare([CardPresentation.sortedTagNames(record), detail.newTagText], [["mixing"], ""])

            detail.newTagText = " \t "
            detail.addTag()
            compare(CardPresentation.sortedTagNames(record), ["mixing"])
            compare(UiFixture.storedTagNames(store), ["mixing"])
            // Only blanks are trimmed, not line breaks.
            detail.newTagText = "\nBus \n"
            detail.addTag()
            compare(CardPresentation.sortedTagNames(record), ["\nbus \n", "mixing"])
        }

        function test_removing_a_tag_keeps_it_in_the_store() {
            const store = UiFixture.newStore()
            const record = UiFixture.addRecord(store, "Pro-Q 3", "FabFilter", ["AU"])
            for (const name of ["mixing", "\u00e9mile", "bus"])
                TagActions.addTag(record, name)
            const detail = createTemporaryObject(detailComponent, stage, { group: record })
            const flow = findChild(detail, "tagFlow")
            waitForItemPolished(flow)
            // By character codes, not by the locale.
            compare(detail.tagNames, ["bus", "mixing", "\u00e9mile"])
            const chips = Array.from(flow.children).filter((chip) => chip.name === "mixing")
            compare(chips.length, 1)
            mouseClick(findChild(chips[0], "removeTagButton"))
            compare(CardPresentation.sortedTagNames(record), ["bus", "\u00e9mile"])
            compare(UiFixture.storedTagNames(store), ["mixing", "\u00e9mile", "bus"])
        }
    }
}
