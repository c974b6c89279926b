#include "discovery/KnownVendors.h"

#include <QHash>

namespace {

constexpr KnownVendors::Vendor vendors[] = {
    {"FabFilter", {"fabfilter", "fab-filter"}},
    {"IK Multimedia", {"ikmultimedia", "ik"}},
    {"Native Instruments", {"native-instruments", "ni"}},
    {"Spitfire Audio", {"spitfireaudio", "spitfire"}},
    {"Soundtoys", {"soundtoys"}},
    {"Waves", {"waves"}},
    {"iZotope", {"izotope"}},
    {"Valhalla DSP", {"valhalla", "valhalladsp"}},
    {"Universal Audio", {"uaudio", "universalaudio"}},
    {"Steinberg", {"steinberg"}},
    {"Plugin Alliance", {"plugin-alliance", "pluginalliance", "pa"}},
    {"Brainworx", {"brainworx"}},
    {"Arturia", {"arturia"}},
    {"Slate Digital", {"slate", "slatedigital"}},
    {"Eventide", {"eventide", "eventideaudio"}},
    {"Softube", {"softube"}},
    {"Oeksound", {"oeksound"}},
    {"Sonarworks", {"sonarworks"}},
    {"Apogee", {"apogee"}},
    {"Antares", {"antares"}},
    {"Celemony", {"celemony"}},
    {"MeldaProduction", {"meldaproduction"}},
    {"Tokyo Dawn Records", {"tokyodawn"}},
    {"Klanghelm", {"klanghelm"}},
    {"Goodhertz", {"goodhertz"}},
    {"Xfer Records", {"xfer"}},
    {"Neural DSP", {"neuraldsp"}},
    {"Positive Grid", {"positive-grid", "positivegrid"}},
    {"Overloud", {"overloud"}},
    {"Audiority", {"audiority"}},
    {"TC Electronic", {"tc-electronic", "tcelectronic"}},
    {"UJAM", {"ujam"}},
    {"Apple", {"apple", "videoapps"}},
    {"Avid", {"avid", "avidtechnology"}},
    {"HOFA", {"hofa"}},
    {"Sonnox", {"sonnox"}},
    {"Acustica Audio", {"acustica"}},
    {"EastWest", {"eastwest"}},
    {"Ample Sound", {"amplesound"}},
    {"Algorithmix", {"algorithmix"}},
    {"Serato", {"serato"}},
    {"XLN Audio", {"xlnaudio", "xln"}},
    {"Bogren Digital", {"bogrendigital"}},
    {"Audio Damage", {"audiodamage"}},
    {"Applied Acoustics Systems", {"applied-acoustics", "appliedacoustics"}},
    {"BABY Audio", {"babyaudio", "baby-audio"}},
    {"Analog Obsession", {"analogobsession", "analog-obsession"}},
    {"Devious Machines", {"devious-machines", "deviousmachines"}},
    {"SoundSpot", {"soundspot"}},
    {"LKJB", {"lkjb"}},
    {"Variety Of Sound", {"variety-of-sound", "varietyofsound"}},
    {"FXpansion", {"fxpansion"}},
    {"ROLI", {"roli"}},
    {"Korg", {"korg"}},
    {"Roland", {"roland"}},
    {"Yamaha", {"yamaha"}},
    {"PreSonus", {"presonus"}},
    {"Tracktion", {"tracktion"}},
    {"Noisebud", {"noisebud"}},
    {"Flux", {"flux"}},
    {"Zynaptiq", {"zynaptiq"}},
    {"Leapwing Audio", {"leapwing"}},
    {"Sound Theory", {"soundtheory"}},
    {"SSL", {"ssl", "solidstatelogic"}},
    {"Neve", {"neve"}},
    {"Lawo", {"lawo"}},
    {"Focusrite", {"focusrite"}},
    {"Auralys", {"auralys"}},
    {"Accusonus", {"accusonus"}},
    {"Kilohearts", {"kilohearts"}},
    {"Cableguys", {"cableguys"}},
};

QHash<QString, QString> buildIndex()
{
    QHash<QString, QString> index;
    for (const KnownVendors::Vendor& vendor : vendors)
        for (const char* label : vendor.labels)
            if (label)
                index.insert(QString::fromLatin1(label), QString::fromUtf8(vendor.displayName));
    return index;
}

} // namespace

namespace KnownVendors {

std::span<const Vendor> table()
{
    return vendors;
}

std::optional<QString> displayName(const QString& label)
{
    static const QHash<QString, QString> index = buildIndex();
    const auto it = index.constFind(label.toLower());
    if (it == index.cend())
        return std::nullopt;
    return *it;
}

} // namespace KnownVendors
