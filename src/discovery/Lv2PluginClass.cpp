#include "discovery/Lv2PluginClass.h"

using namespace Qt::StringLiterals;

namespace {

struct CoreClass {
    const char* name;   // local name in the lv2 core namespace
    const char* parent; // nullptr: directly under lv2:Plugin
    const char* label;
};

// The core vocabulary's classes; a class's depth below lv2:Plugin decides which is most specific.
constexpr CoreClass coreClasses[] = {
    {"GeneratorPlugin", nullptr, "Generator"},
    {"InstrumentPlugin", "GeneratorPlugin", "Instrument"},
    {"OscillatorPlugin", "GeneratorPlugin", "Oscillator"},
    {"ConstantPlugin", "GeneratorPlugin", "Constant"},
    {"UtilityPlugin", nullptr, "Utility"},
    {"ConverterPlugin", "UtilityPlugin", "Converter"},
    {"AnalyserPlugin", "UtilityPlugin", "Analyser"},
    {"MixerPlugin", "UtilityPlugin", "Mixer"},
    {"FunctionPlugin", "UtilityPlugin", "Function"},
    {"SimulatorPlugin", nullptr, "Simulator"},
    {"DelayPlugin", nullptr, "Delay"},
    {"ReverbPlugin", "DelayPlugin", "Reverb"},
    {"ModulatorPlugin", nullptr, "Modulator"},
    {"PhaserPlugin", "ModulatorPlugin", "Phaser"},
    {"FlangerPlugin", "ModulatorPlugin", "Flanger"},
    {"ChorusPlugin", "ModulatorPlugin", "Chorus"},
    {"FilterPlugin", nullptr, "Filter"},
    {"LowpassPlugin", "FilterPlugin", "Lowpass Filter"},
    {"BandpassPlugin", "FilterPlugin", "Bandpass Filter"},
    {"HighpassPlugin", "FilterPlugin", "Highpass Filter"},
    {"CombPlugin", "FilterPlugin", "Comb Filter"},
    {"AllpassPlugin", "FilterPlugin", "Allpass Filter"},
    {"EQPlugin", "FilterPlugin", "Equaliser"},
    {"ParaEQPlugin", "EQPlugin", "Parametric EQ"},
    {"MultiEQPlugin", "EQPlugin", "Multiband EQ"},
    {"SpatialPlugin", nullptr, "Spatial"},
    {"SpectralPlugin", nullptr, "Spectral"},
    {"PitchPlugin", "SpectralPlugin", "Pitch Shifter"},
    {"DynamicsPlugin", nullptr, "Dynamics"},
    {"AmplifierPlugin", "DynamicsPlugin", "Amplifier"},
    {"EnvelopePlugin", "DynamicsPlugin", "Envelope"},
    {"CompressorPlugin", "DynamicsPlugin", "Compressor"},
    {"ExpanderPlugin", "DynamicsPlugin", "Expander"},
    {"LimiterPlugin", "DynamicsPlugin", "Limiter"},
    {"GatePlugin", "DynamicsPlugin", "Gate"},
    {"DistortionPlugin", nullptr, "Distortion"},
    {"WaveshaperPlugin", "DistortionPlugin", "Waveshaper"},
    {"MIDIPlugin", nullptr, "MIDI"},
};

const CoreClass* find(QLatin1StringView name)
{
    for (const CoreClass& coreClass : coreClasses)
        if (name == QLatin1StringView(coreClass.name))
            return &coreClass;
    return nullptr;
}

int depth(const CoreClass* coreClass)
{
    int levels = 1;
    for (; coreClass && coreClass->parent; coreClass = find(QLatin1StringView(coreClass->parent)))
        ++levels;
    return levels;
}

} // namespace

namespace Lv2PluginClass {

QString categoryOf(const QStringList& typeUris)
{
    static const QString core = u"http://lv2plug.in/ns/lv2core#"_s;
    const CoreClass* best = nullptr;
    for (const QString& uri : typeUris) {
        if (!uri.startsWith(core))
            continue;
        const QByteArray name = uri.mid(core.size()).toLatin1();
        const CoreClass* coreClass = find(QLatin1StringView(name));
        if (coreClass && (!best || depth(coreClass) > depth(best)))
            best = coreClass;
    }
    return best ? QString::fromLatin1(best->label) : QString();
}

} // namespace Lv2PluginClass
