#include "sample/Lv2BundleWriter.h"

#include "sample/BundleWriter.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

const QString prefixes = uR"(@prefix doap: <http://usefulinc.com/ns/doap#> .
@prefix foaf: <http://xmlns.com/foaf/0.1/> .
@prefix lv2:  <http://lv2plug.in/ns/lv2core#> .
@prefix owl:  <http://www.w3.org/2002/07/owl#> .
@prefix pset: <http://lv2plug.in/ns/ext/presets#> .
@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .
@prefix ui:   <http://lv2plug.in/ns/extensions/ui#> .

)"_s;

const QString coreClasses = uR"(lv2:Plugin
    a rdfs:Class, owl:Class ;
    rdfs:label "Plugin" .

lv2:DelayPlugin
    a rdfs:Class, owl:Class ;
    rdfs:subClassOf lv2:Plugin ;
    rdfs:label "Delay" .

lv2:ReverbPlugin
    a rdfs:Class, owl:Class ;
    rdfs:subClassOf lv2:Plugin, lv2:DelayPlugin ;
    rdfs:label "Reverb" .
)"_s;

QString literal(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\\', u"\\\\"_s).replace(u'"', u"\\\""_s).replace(u'\n', u"\\n"_s);
    return u'"' + escaped + u'"';
}

QString base(const QString& uri)
{
    return uri.section(u'#', 0, 0);
}

QString publisherLines(const Lv2BundleSpec& bundleSpec)
{
    switch (bundleSpec.publisherForm) {
    case Lv2BundleSpec::Publisher::maintainer:
        return u"    doap:maintainer [ foaf:name %1 ] ;\n"_s.arg(literal(bundleSpec.publisher));
    case Lv2BundleSpec::Publisher::projectMaintainer:
        return u"    lv2:project <%1#project> ;\n"_s.arg(base(bundleSpec.plugins.first().uri));
    case Lv2BundleSpec::Publisher::developer:
        return u"    doap:developer [ foaf:name %1 ] ;\n"_s.arg(literal(bundleSpec.publisher));
    case Lv2BundleSpec::Publisher::none: break;
    }
    return {};
}

// A project names its maintainer by URI, described apart, as larger suites do.
QString projectNode(const Lv2BundleSpec& bundleSpec)
{
    const QString project = base(bundleSpec.plugins.first().uri);
    return u"<%1#project>\n    a doap:Project ;\n    doap:name %2 ;\n    doap:maintainer <%1#maintainer> .\n\n"
           u"<%1#maintainer>\n    a foaf:Person ;\n    foaf:name %3 .\n\n"_s.arg(
               project, literal(bundleSpec.plugins.first().name.section(u' ', 0, 0)), literal(bundleSpec.publisher));
}

// The binary is named here only when the manifest carries the whole description.
QString description(const Lv2BundleSpec& bundleSpec, const Lv2PluginSpec& plugin, bool withUi, const QString& binary)
{
    QString text = u"<%1>\n    a lv2:Plugin%2 ;\n    doap:name %3 ;\n"_s.arg(
        plugin.uri, plugin.pluginClass.isEmpty() ? QString() : u", lv2:"_s + plugin.pluginClass,
        literal(plugin.name));
    text += publisherLines(bundleSpec);
    if (plugin.minorVersion >= 0)
        text += u"    lv2:minorVersion %1 ;\n"_s.arg(plugin.minorVersion);
    if (plugin.microVersion >= 0)
        text += u"    lv2:microVersion %1 ;\n"_s.arg(plugin.microVersion);
    if (!binary.isEmpty())
        text += u"    lv2:binary <%1> ;\n"_s.arg(binary);
    if (withUi)
        text += u"    ui:ui <%1#ui> ;\n"_s.arg(base(plugin.uri));
    text += uR"(    lv2:optionalFeature lv2:hardRTCapable ;
    lv2:port [
        a lv2:InputPort, lv2:AudioPort ;
        lv2:index 0 ;
        lv2:symbol "in" ;
        lv2:name "In"
    ] , [
        a lv2:OutputPort, lv2:AudioPort ;
        lv2:index 1 ;
        lv2:symbol "out" ;
        lv2:name "Out"
    ] .

)"_s;
    return text;
}

using Files = QList<std::pair<QString, QByteArray>>;

void addTo(Files& files, const QString& name, const QString& text)
{
    for (auto& [fileName, bytes] : files) {
        if (fileName == name) {
            bytes += text.toUtf8();
            return;
        }
    }
    files.append({name, (prefixes + text).toUtf8()});
}

Files pluginFiles(const Lv2BundleSpec& bundleSpec)
{
    Files files{{u"manifest.ttl"_s, prefixes.toUtf8()}};
    QString manifest;
    for (qsizetype i = 0; i < bundleSpec.plugins.size(); ++i) {
        const Lv2PluginSpec& plugin = bundleSpec.plugins[i];
        const bool withUi = i == 0 && !bundleSpec.uiBinary.isEmpty();
        if (plugin.seeAlso.isEmpty()) {
            manifest += description(bundleSpec, plugin, withUi, bundleSpec.binary);
            continue;
        }
        manifest += u"<%1>\n    a lv2:Plugin ;\n    lv2:binary <%2> ;\n    rdfs:seeAlso <%3> .\n\n"_s.arg(
            plugin.uri, bundleSpec.binary, plugin.seeAlso);
        addTo(files, plugin.seeAlso, description(bundleSpec, plugin, withUi, QString()));
    }
    if (!bundleSpec.plugins.isEmpty() && bundleSpec.publisherForm == Lv2BundleSpec::Publisher::projectMaintainer)
        manifest += projectNode(bundleSpec);
    if (!bundleSpec.uiBinary.isEmpty() && !bundleSpec.plugins.isEmpty())
        manifest += u"<%1#ui>\n    a ui:X11UI ;\n    ui:binary <%2> ;\n    lv2:requiredFeature ui:idleInterface .\n\n"_s
                        .arg(base(bundleSpec.plugins.first().uri), bundleSpec.uiBinary);
    files.first().second += manifest.toUtf8();
    return files;
}

Files specificationFiles()
{
    const QString manifest = uR"(<http://lv2plug.in/ns/lv2core>
    a lv2:Specification ;
    lv2:minorVersion 18 ;
    lv2:microVersion 4 ;
    rdfs:seeAlso <lv2core.ttl> .
)"_s;
    return {{u"manifest.ttl"_s, (prefixes + manifest).toUtf8()}, {u"lv2core.ttl"_s, (prefixes + coreClasses).toUtf8()}};
}

Files presetFiles(const Lv2BundleSpec& bundleSpec)
{
    Files files{{u"manifest.ttl"_s, prefixes.toUtf8()}};
    QString manifest;
    for (const Lv2PluginSpec& preset : bundleSpec.plugins) {
        manifest += u"<%1>\n    a pset:Preset ;\n    lv2:appliesTo <%2> ;\n    rdfs:seeAlso <%3> .\n\n"_s.arg(
            preset.uri, bundleSpec.appliesTo, preset.seeAlso);
        addTo(files, preset.seeAlso,
              u"<%1>\n    a pset:Preset ;\n    lv2:appliesTo <%2> ;\n    rdfs:label %3 ;\n"
              u"    lv2:port [ lv2:symbol \"decay\" ; pset:value 2.4 ] .\n\n"_s.arg(
                  preset.uri, bundleSpec.appliesTo, literal(preset.name)));
    }
    files.first().second += manifest.toUtf8();
    return files;
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() &&
           file.flush();
}

} // namespace

namespace Lv2BundleWriter {

QList<std::pair<QString, QByteArray>> files(const Lv2BundleSpec& bundleSpec)
{
    switch (bundleSpec.kind) {
    case Lv2BundleSpec::Kind::plugins: return pluginFiles(bundleSpec);
    case Lv2BundleSpec::Kind::specification: return specificationFiles();
    case Lv2BundleSpec::Kind::presets: return presetFiles(bundleSpec);
    }
    return {};
}

bool write(const Lv2BundleSpec& bundleSpec)
{
    if (!QDir().mkpath(bundleSpec.path))
        return false;
    for (const auto& [name, bytes] : files(bundleSpec)) {
        if (!writeBytes(bundleSpec.path + u'/' + name, bytes))
            return false;
    }
    if (bundleSpec.kind == Lv2BundleSpec::Kind::plugins && !bundleSpec.binary.isEmpty()) {
        ElfImageSpec image = bundleSpec.binaryImage;
        if (!image.exports.contains("lv2_descriptor"))
            image.exports.append("lv2_descriptor");
        if (!ElfImageWriter::write(bundleSpec.path + u'/' + bundleSpec.binary, image))
            return false;
    }
    if (bundleSpec.kind == Lv2BundleSpec::Kind::plugins && !bundleSpec.uiBinary.isEmpty()) {
        ElfImageSpec ui = bundleSpec.binaryImage;
        ui.exports = {"lv2ui_descriptor"};
        ui.clapEntry.reset();
        ui.padToSize = bundleSpec.binaryImage.padToSize / 4;
        if (!ElfImageWriter::write(bundleSpec.path + u'/' + bundleSpec.uiBinary, ui))
            return false;
    }
    if (bundleSpec.extraFiles > 0) {
        const QString folder = bundleSpec.path + u"/modgui"_s;
        if (!QDir().mkpath(folder))
            return false;
        if (!BundleWriter::writeSparseFiles(folder, u"%1/knob-%2.png"_s, 2, bundleSpec.extraFiles,
                                            bundleSpec.extraBytes))
            return false;
    }
    return true;
}

} // namespace Lv2BundleWriter
