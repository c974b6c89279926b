#include "sample/CuratedBundles.h"

#include <array>

namespace {

using P = CuratedBundle::Place;
using W = CuratedBundle::Weight;
using E = ExecutableKind;

// Names, spellings and oddities as installers really leave them: one product under three
// names, two spellings of one publisher, Intel-only and 32-bit leftovers, broken installs.
// clang-format off
const std::array<CuratedBundle, 60> rows{{
    // System Audio Units
    {.place = P::systemAU, .file = "Pro-Q 3.component", .bundleName = "Pro-Q 3 AU", .identifier = "com.fabfilter.Pro-Q.AU.3", .shortVersion = "3.21", .bundleVersion = "3.21.0",
     .component = "FabFilter: Pro-Q 3", .type = "aufx", .subtype = "FQ3p", .manufacturer = "FabF", .copyright = "Copyright © FabFilter"},
    {.place = P::systemAU, .file = "Reverb.component", .bundleName = "Reverb AU64", .identifier = "com.valhalladsp.Reverb", .shortVersion = "2.0.1", .bundleVersion = "2.0.1",
     .component = "Valhalla DSP, LLC: Reverb", .type = "aufx", .subtype = "VRev", .manufacturer = "oDin", .copyright = "Copyright 2023 Valhalla DSP, LLC"},
    {.place = P::systemAU, .file = "Massive X.component", .bundleName = "Massive X", .identifier = "Massive X.component", .shortVersion = "1.4.4", .bundleVersion = "1.4.4.12",
     .component = "Massive X", .type = "aumu", .subtype = "MaXx", .manufacturer = "-NI-", .weight = W::instrument, .binaryPlist = true},
    {.place = P::systemAU, .file = "Kontakt 7.component", .bundleName = "Kontakt 7", .identifier = "com.native-instruments.Kontakt7.AU", .shortVersion = "7.8.1", .bundleVersion = "7.8.1.4",
     .component = "Native Instruments: Kontakt 7", .type = "aumu", .subtype = "Kt7s", .manufacturer = "-NI-", .weight = W::library, .binaryPlist = true},
    {.place = P::systemAU, .file = "FM8.component", .bundleName = "FM8AU", .identifier = "com.native-instruments.FM8.AU", .shortVersion = "1.4.4", .bundleVersion = "1.4.4",
     .component = "Native Instruments: FM8", .type = "aumu", .subtype = "NiF8", .manufacturer = "-NI-", .executable = E::thinX86_64, .weight = W::instrument},
    {.place = P::systemAU, .file = "Big Verb.component", .bundleName = "Big Verb", .identifier = "com.pluginalliance.bigverb", .shortVersion = "1.2.0", .bundleVersion = "1.2.0",
     .component = "Acme Audio: Big Verb", .type = "aufx", .subtype = "BgVb", .manufacturer = "AcmA", .executable = E::thinArm64},
    {.place = P::systemAU, .file = "Studio Comp.component", .bundleName = "Studio Comp", .identifier = "com.uaudio.uadx.StudioComp", .shortVersion = "11.0", .bundleVersion = "11.0.0",
     .component = "Universal Audio (UADx): Studio Comp", .type = "aufx", .subtype = "UCmp", .manufacturer = "UADx"},
    {.place = P::systemAU, .file = "Dub Station.component", .bundleName = "Dub Station", .identifier = "com.audiodamage.DubStation", .bundleVersion = "2.1.6",
     .component = "Audio Damage, Inc.: Dub Station", .type = "aufx", .subtype = "ADds", .manufacturer = "ADmg", .executable = E::thinX86_64},
    {.place = P::systemAU, .file = "Vintage Channel.component", .bundleName = "Vintage Channel", .identifier = "jp.co.yamaha.VintageChannel", .shortVersion = "1.1.0", .bundleVersion = "1.1.0",
     .component = "Yamaha Corporation: Vintage Channel", .type = "aufx", .subtype = "YVch", .manufacturer = "YMHA"},
    {.place = P::systemAU, .file = "Diva.component", .bundleName = "DivaAU", .identifier = "com.u-he.Diva.au", .shortVersion = "1.4.7", .bundleVersion = "1.4.7",
     .component = "u-he: Diva", .type = "aumu", .subtype = "Diva", .manufacturer = "UHfx", .weight = W::instrument},
    {.place = P::systemAU, .file = "Synplant.component", .bundleName = "Synplant", .identifier = "com.sonic-charge.Synplant", .shortVersion = "2.0.3", .bundleVersion = "2.0.3",
     .component = "Sonic Charge: Synplant", .type = "aumu", .subtype = "Sypl", .manufacturer = "SnCh", .weight = W::instrument},
    {.place = P::systemAU, .file = "Tube Drive.component", .bundleName = "Tube Drive", .identifier = "com.soundtoys.TubeDrive", .shortVersion = "5.3.2", .bundleVersion = "5.3.2",
     .component = "Soundtoys: Tube Drive", .type = "aufx", .subtype = "TbDr", .manufacturer = "SToy", .copyright = "© 2019 Soundtoys, Inc.", .executable = E::thinX86_64},
    {.place = P::systemAU, .file = "Midi Arp.component", .bundleName = "Midi Arp", .identifier = "com.kilohearts.MidiArp", .shortVersion = "2.1.0", .bundleVersion = "2.1.0",
     .component = "Kilohearts: Midi Arp", .type = "aumf", .subtype = "KhAr", .manufacturer = "Khrt", .executable = E::thinArm64},
    {.place = P::systemAU, .file = "Surround Panner.component", .bundleName = "Surround Panner", .identifier = "com.flux.SurroundPanner", .shortVersion = "3.0.4", .bundleVersion = "3.0.4",
     .component = "Flux: Surround Panner", .type = "aupn", .subtype = "FxSP", .manufacturer = "FLUX"},
    {.place = P::systemAU, .file = "Noise Generator.component", .bundleName = "Noise Generator", .identifier = "com.noisebud.NoiseGenerator", .shortVersion = "1.0", .bundleVersion = "1",
     .component = "Noise Generator", .type = "augn", .subtype = "NsGn", .manufacturer = "NsBd", .executable = E::thinArm64},
    {.place = P::systemAU, .file = "Legacy Filter.component", .bundleName = "Legacy Filter", .identifier = "com.audiority.LegacyFilter", .shortVersion = "1.0.2", .bundleVersion = "1.0.2",
     .component = "Audiority: Legacy Filter", .type = "auxx", .subtype = "LgFl", .manufacturer = "Audy", .executable = E::thin32},
    {.place = P::systemAU, .file = "Lossy Tape.component", .bundleName = "Lossy Tape", .identifier = "com.goodhertz.LossyTape", .shortVersion = "3.4.1", .bundleVersion = "3.4.1",
     .component = "Goodhertz: Lossy Tape", .type = "aufx", .subtype = "GhLT", .manufacturer = "GHZa", .executable = E::missing},

    // System VST3
    {.place = P::systemVST3, .file = "FabFilter Pro-Q 3.vst3", .bundleName = "ProQ3", .identifier = "com.fabfilter.Pro-Q.3", .shortVersion = "3.21", .bundleVersion = "3.21.0",
     .copyright = "Copyright © FabFilter"},
    {.place = P::systemVST3, .file = "Reverb.vst3", .bundleName = "Reverb", .identifier = "com.valhalladsp.Reverb.vst3", .shortVersion = "2.0.1", .bundleVersion = "2.0.1"},
    {.place = P::systemVST3, .file = "Serum2.vst3", .bundleName = "Serum 2", .identifier = "com.xferrecords.Serum2", .shortVersion = "2.0.6", .bundleVersion = "2.0.6",
     .weight = W::instrument},
    {.place = P::systemVST3, .file = "Kontakt 7.vst3", .bundleName = "Kontakt 7", .identifier = "com.native-instruments.Kontakt7.vst3", .shortVersion = "7.8.1", .bundleVersion = "7.8.1.4",
     .weight = W::library, .binaryPlist = true},
    {.place = P::systemVST3, .file = "Massive X.vst3", .bundleName = "Massive X", .identifier = "com.native-instruments.MassiveX.vst3", .shortVersion = "1.4.4", .bundleVersion = "1.4.4.12",
     .weight = W::instrument},
    {.place = P::systemVST3, .file = "Ozone Stereo FX.vst3", .identifier = "com.izotope.Ozone.vst3", .shortVersion = "11.0.1", .bundleVersion = "11.0.1"},
    {.place = P::systemVST3, .file = "Tube Drive.VST3", .identifier = "com.soundtoys.TubeDrive.vst3", .shortVersion = "5.3.2", .bundleVersion = "5.3.2", .executable = E::thinX86_64},
    {.place = P::systemVST3, .file = "Studio Strings Player.vst3", .bundleName = "Studio Strings Player", .identifier = "com.spitfireaudio.StudioStringsPlayer", .shortVersion = "3.4.2",
     .bundleVersion = "3.4.2", .weight = W::library},
    {.place = P::systemVST3, .file = "Cinematic Player.vst3", .bundleName = "Cinematic Player", .identifier = "com.eastwest.CinematicPlayer", .shortVersion = "1.9.7", .bundleVersion = "1.9.7",
     .executable = E::thinX86_64, .weight = W::library},
    {.place = P::systemVST3, .file = "Bus Comp.vst3", .bundleName = "Bus Comp", .identifier = "com.klanghelm.BusComp", .bundleVersion = "1.4.2", .executable = E::thinArm64},
    {.place = P::systemVST3, .file = "Snap Chain.vst3", .bundleName = "Snap Chain", .identifier = "com.kilohearts.SnapChain", .shortVersion = "2.1.0", .bundleVersion = "2.1.0",
     .executable = E::thinArm64},
    {.place = P::systemVST3, .file = "Resonance Tamer.vst3", .bundleName = "Resonance Tamer", .identifier = "com.oeksound.ResonanceTamer", .shortVersion = "2.2.0", .bundleVersion = "2.2.0"},
    {.place = P::systemVST3, .file = "Oxford Reverb.vst3", .bundleName = "Oxford Reverb", .identifier = "com.sonnox.OxfordReverb", .shortVersion = "5.2", .bundleVersion = "5.2.0",
     .copyright = "Copyright Sonnox Ltd.", .getInfo = "Oxford Reverb 5.2, Copyright Sonnox Ltd."},
    {.place = P::systemVST3, .file = "Wavetable Lab.vst3", .bundleName = "Wavetable Lab", .identifier = "com.audiority.WavetableLab", .shortVersion = "1.0.0", .bundleVersion = "1.0.0",
     .executable = E::truncated, .weight = W::instrument},
    {.place = P::systemVST3, .file = "Chorus Ensemble.vst3", .bundleName = "Chorus Ensemble", .identifier = "com.tc-electronic.ChorusEnsemble", .shortVersion = "1.0", .bundleVersion = "1.0",
     .writePlist = false},
    {.place = P::systemVST3, .file = "Tape Machine.component", .bundleName = "Tape Machine", .identifier = "com.slatedigital.TapeMachine", .shortVersion = "1.3.0", .bundleVersion = "1.3.0",
     .component = "Slate Digital: Tape Machine", .type = "aufx", .subtype = "TpMc", .manufacturer = "SlDg"},

    // System VST
    {.place = P::systemVST, .file = "Pro-Q 3.vst", .bundleName = "Pro-Q 3", .identifier = "com.fabfilter.Pro-Q.vst.3", .shortVersion = "3.21", .bundleVersion = "3.21.0"},
    {.place = P::systemVST, .file = "Serum_x64.vst", .identifier = "com.xfer.serum", .bundleVersion = "1.3.6b", .executable = E::universalIntelI386, .weight = W::instrument},
    {.place = P::systemVST, .file = "Shimmer Delay.vst", .bundleName = "Shimmer Delay", .identifier = "com.valhalladsp.ShimmerDelay", .shortVersion = "1.6.0", .bundleVersion = "1.6.0",
     .executable = E::thinX86_64},
    {.place = P::systemVST, .file = "Vintage Keys.vst", .bundleName = "Vintage Keys", .identifier = "com.arturia.VintageKeys", .shortVersion = "1.0.3", .bundleVersion = "1.0.3",
     .executable = E::thin32, .weight = W::instrument},
    {.place = P::systemVST, .file = "Sample Slicer.vst", .bundleName = "Sample Slicer", .identifier = "SampleSlicer", .executable = E::shellScript},
    {.place = P::systemVST, .file = "My Test Synth.vst", .identifier = "local.test", .shortVersion = "0.1", .bundleVersion = "0.1", .executableKey = false},

    // System CLAP
    {.place = P::systemCLAP, .file = "Pro-Q 3.clap", .bundleName = "Pro-Q 3", .identifier = "com.fabfilter.Pro-Q.clap.3", .shortVersion = "3.21", .bundleVersion = "3.21.0",
     .executable = E::universal64ArmIntel},
    {.place = P::systemCLAP, .file = "Diva.clap", .bundleName = "Diva", .identifier = "com.u-he.diva.clap", .shortVersion = "1.4.7", .bundleVersion = "1.4.7",
     .executable = E::universal64ArmIntel, .weight = W::instrument},
    {.place = P::systemCLAP, .file = "Snap Chain.clap", .bundleName = "Snap Chain", .identifier = "com.kilohearts.SnapChain.clap", .shortVersion = "2.1.0", .bundleVersion = "2.1.0",
     .executable = E::thinArm64, .binaryPlist = true},
    {.place = P::systemCLAP, .file = "Volume Shaper.clap", .bundleName = "Volume Shaper", .identifier = "com.cableguys.VolumeShaper", .shortVersion = "7.0.2", .bundleVersion = "7.0.2",
     .executable = E::thinArm64BigEndian},

    // System Avid
    {.place = P::systemAAX, .file = "Pro-Q 3.aaxplugin", .bundleName = "Pro-Q 3", .identifier = "com.fabfilter.Pro-Q.aax.3", .shortVersion = "3.21", .bundleVersion = "3.21.0"},
    {.place = P::systemAAX, .file = "Channel Strip.aaxplugin", .bundleName = "Channel Strip", .identifier = "com.avid.aax.ChannelStrip", .shortVersion = "24.6", .bundleVersion = "24.6.0",
     .copyright = "© Avid Technology, Inc."},
    {.place = P::systemAAX, .file = "Kontakt 7.aaxplugin", .bundleName = "Kontakt 7", .identifier = "com.native-instruments.Kontakt7.aax", .shortVersion = "7.8.1", .bundleVersion = "7.8.1.4",
     .weight = W::library},
    {.place = P::systemAAX, .file = "Studio Comp.aaxplugin", .bundleName = "Studio Comp", .identifier = "com.uaudio.aax.StudioComp", .shortVersion = "11.0", .bundleVersion = "11.0.0"},
    {.place = P::systemAAX, .file = "Tape Echo.aaxplugin", .bundleName = "Tape Echo", .identifier = "com.arturia.TapeEcho", .shortVersion = "1.2.1", .bundleVersion = "1.2.1",
     .executable = E::thinX86_64},

    // Installed for the user only
    {.place = P::userAU, .file = "Shimmer Delay.component", .bundleName = "Shimmer Delay", .identifier = "com.valhalladsp.ShimmerDelay.AU", .shortVersion = "1.6.0", .bundleVersion = "1.6.0",
     .component = "Valhalla DSP: Shimmer Delay", .type = "aufx", .subtype = "VShD", .manufacturer = "oDin"},
    {.place = P::userAU, .file = "Drum Keys.component", .bundleName = "Drum Keys", .identifier = "com.xlnaudio.DrumKeys", .shortVersion = "2.3.5", .bundleVersion = "2.3.5",
     .component = "XLN Audio: Drum Keys", .type = "aumu", .subtype = "XDrK", .manufacturer = "XLNa", .executable = E::thinX86_64, .weight = W::instrument},
    {.place = P::userVST3, .file = "Poly Synth V.vst3", .bundleName = "Poly Synth V", .identifier = "com.arturia.PolySynthV", .shortVersion = "2.10.0", .bundleVersion = "2.10.0",
     .weight = W::instrument},
    {.place = P::userVST3, .file = "Slick Dynamics.vst3", .bundleName = "Slick Dynamics", .identifier = "com.tokyodawn.SlickDynamics", .shortVersion = "1.1.2", .bundleVersion = "1.1.2",
     .binaryPlist = true},
    {.place = P::userVST3, .file = "MMultiEQ.vst3", .identifier = "com.meldaproduction.MMultiEQ.vst3", .shortVersion = "16.12", .bundleVersion = "16.12"},
    {.place = P::userCLAP, .file = "Lossy Tape.clap", .bundleName = "Lossy Tape", .identifier = "com.goodhertz.LossyTape.clap", .shortVersion = "3.4.1", .bundleVersion = "3.4.1",
     .executable = E::thinArm64},
    {.place = P::userVST, .file = "bx_widener.vst", .bundleName = "bx_widener", .identifier = "com.brainworx.bx_widener", .shortVersion = "1.9", .bundleVersion = "1.9.0",
     .executable = E::universalIntelI386},

    // The external drive: vendor folders, nested bundles, old leftovers
    {.place = P::drive, .file = "Plug-Ins/Spitfire Audio/Studio Strings Player.component", .bundleName = "Studio Strings Player", .identifier = "com.spitfireaudio.StudioStringsPlayer.AU",
     .shortVersion = "3.4.2", .bundleVersion = "3.4.2", .component = "Spitfire Audio: Studio Strings Player", .type = "aumu", .subtype = "SSPl", .manufacturer = "SptF",
     .weight = W::library},
    {.place = P::drive, .file = "Plug-Ins/Arturia/Tape Echo.vst3", .bundleName = "Tape Echo", .identifier = "com.arturia.TapeEcho.vst3", .shortVersion = "1.2.1", .bundleVersion = "1.2.1"},
    {.place = P::drive, .file = "Applications/Plugin Host.app/Contents/PlugIns/Host Bridge.component", .bundleName = "Host Bridge", .identifier = "com.tracktion.HostBridge",
     .shortVersion = "1.0.0", .bundleVersion = "1.0.0", .component = "Tracktion: Host Bridge", .type = "aufx", .subtype = "HBrg", .manufacturer = "Trkn", .executable = E::thinArm64},
    {.place = P::drive, .file = "Plug-Ins/Legacy/Old Chorus.vst", .bundleName = "Old Chorus", .identifier = "com.tc-electronic.OldChorus", .shortVersion = "1.0.1", .bundleVersion = "1.0.1",
     .executable = E::universalIntelI386},
    {.place = P::drive, .file = "Plug-Ins/Native Instruments/Massive X.vst3", .bundleName = "Massive X", .identifier = "com.native-instruments.MassiveX.vst3", .shortVersion = "1.3.0",
     .bundleVersion = "1.3.0.7", .executable = E::thinX86_64, .weight = W::instrument},
}};
// clang-format on

} // namespace

namespace CuratedBundles {

std::span<const CuratedBundle> all() {
    return rows;
}

} // namespace CuratedBundles
