#pragma once

#include "CliRun.h"
#include "presentation/CatalogFixture.h"

#include "descriptions/PluginDescriptionService.h"


// A small catalogue written from code for the library commands, under the fixed locale and time
// zone of CatalogFixture: four plug-ins as the library lists them, and one whose only install is
// gone. Runs the command line on it.
class LibraryCatalog : public CatalogFixture {
protected:
    void SetUp() override {
        CatalogFixture::SetUp();
        // Loaded here, so that its diagnostic line falls outside every captured run.
        (void)PluginDescriptionService::shared();

        proQ = addRecord(QStringLiteral("Pro-Q 3"), QStringLiteral("FabFilter"), {}, QStringLiteral("3.2"));
        addInstall(proQ, installOf(PluginFormat::vst3, PluginArchitecture::arm64, 3'000'000));
        addInstall(proQ, installOf(PluginFormat::au, PluginArchitecture::arm64, 2'000'000));
        tape = addRecord(QStringLiteral("Vintage Tape"), QStringLiteral("Acme Audio"),
                         QStringLiteral("Saturation"), QStringLiteral("1.4"));
        addInstall(tape, installOf(PluginFormat::vst3, PluginArchitecture::x86_64, 1'500'000));
        drums = addRecord(QStringLiteral("808 Drums"), QStringLiteral("Beat Co"));
        addInstall(drums, installOf(PluginFormat::au, PluginArchitecture::universal, 700'000));
        etude = addRecord(QStringLiteral("\u00C9tude"), QStringLiteral("Acme Audio"),
                          QStringLiteral("Instrument"), QStringLiteral("2.0"));
        addInstall(etude, installOf(PluginFormat::clap, PluginArchitecture::arm64, 400'000));
        InstallSpec gone = installOf(PluginFormat::vst3, PluginArchitecture::arm64, 9'000'000);
        gone.status = InstallStatus::notFound;
        addInstall(addRecord(QStringLiteral("Gone Synth"), QStringLiteral("Acme Audio")), gone);
    }

    static InstallSpec installOf(PluginFormat format, PluginArchitecture architecture, qint64 bytes) {
        InstallSpec installSpec;
        installSpec.format = format;
        installSpec.architecture = architecture;
        installSpec.fileSize = bytes;
        return installSpec;
    }

    // Saves what the test built, then runs the command line on the catalogue.
    CliRun run(QStringList arguments) {
        const StoreResult saved = m_store->save();
        EXPECT_TRUE(saved) << saved.errorDescription().toStdString();
        arguments.prepend(path());
        arguments.prepend(QStringLiteral("--store"));
        return runCli(arguments);
    }

    // The record of that name in the catalogue as the command left it on disk.
    PluginRecord* reopened(const QString& name) {
        reopen();
        return store().fetch<PluginRecord>("name", name).value(0);
    }

    PluginRecord* proQ = nullptr;
    PluginRecord* tape = nullptr;
    PluginRecord* drums = nullptr;
    PluginRecord* etude = nullptr;
};
