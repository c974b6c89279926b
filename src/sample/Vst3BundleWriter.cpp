#include "sample/Vst3BundleWriter.h"

#include "sample/BundleWriter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\\', u"\\\\"_s).replace(u'"', u"\\\""_s);
    return u'"' + escaped + u'"';
}

QString classId(const QString& bundleName, const ModuleInfoClassSpec& moduleClass)
{
    const QByteArray seed = (bundleName + u'/' + moduleClass.name + (moduleClass.controller ? u"/c"_s : QString())).toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(seed, QCryptographicHash::Md5).toHex().toUpper());
}

// Writes JSON the way the SDK's tool does, tab-indented; relaxed adds what Qt's reader refuses.
class JsonText {
public:
    explicit JsonText(bool relaxed) : m_relaxed(relaxed) {}

    void comment(const QString& text)
    {
        if (m_relaxed)
            line(u"// "_s + text);
    }
    void open(const QString& key, QChar bracket) { line((key.isEmpty() ? QString() : quoted(key) + u": "_s) + bracket), ++m_depth; }
    void close(QChar bracket, bool last)
    {
        --m_depth;
        line(m_depth == 0 ? QString(bracket) : bracket + separator(last));
    }
    void value(const QString& key, const QString& json, bool last) { line(quoted(key) + u": "_s + json + separator(last)); }
    void element(const QString& json, bool last) { line(json + separator(last)); }
    QByteArray bytes() const { return m_text.toUtf8(); }

private:
    QString separator(bool last) const { return !last || m_relaxed ? u","_s : QString(); }
    void line(const QString& text) { m_text += QString(m_depth, u'\t') + text + u'\n'; }

    bool m_relaxed;
    int m_depth = 0;
    QString m_text;
};

} // namespace

namespace Vst3BundleWriter {

QByteArray moduleInfo(const Vst3BundleSpec& bundleSpec)
{
    const QString name = QFileInfo(bundleSpec.path).completeBaseName();
    JsonText json(bundleSpec.relaxedJson);
    json.comment(u"Written by the VST3 SDK's moduleinfotool at build time"_s);
    json.open(QString(), u'{');
    json.value(u"Name"_s, quoted(name), false);
    json.value(u"Version"_s, quoted(bundleSpec.version), false);
    json.open(u"Factory Info"_s, u'{');
    json.value(u"Vendor"_s, quoted(bundleSpec.vendor), false);
    json.value(u"URL"_s, quoted(QString()), false);
    json.value(u"E-Mail"_s, quoted(QString()), false);
    json.open(u"Flags"_s, u'{');
    json.value(u"Unicode"_s, u"true"_s, false);
    json.value(u"Classes Discardable"_s, u"false"_s, false);
    json.value(u"Component Non Discardable"_s, u"false"_s, true);
    json.close(u'}', true);
    json.close(u'}', false);
    json.open(u"Compatibility"_s, u'[');
    json.close(u']', false);
    json.open(u"Classes"_s, u'[');
    for (qsizetype i = 0; i < bundleSpec.classes.size(); ++i) {
        const ModuleInfoClassSpec& moduleClass = bundleSpec.classes[i];
        json.open(QString(), u'{');
        json.value(u"CID"_s, quoted(classId(name, moduleClass)), false);
        json.value(u"Category"_s,
                   quoted(moduleClass.controller ? u"Component Controller Class"_s : u"Audio Module Class"_s), false);
        json.value(u"Name"_s, quoted(moduleClass.name + (moduleClass.controller ? u"Controller"_s : QString())), false);
        json.value(u"Vendor"_s, quoted(bundleSpec.vendor), false);
        json.value(u"Version"_s, quoted(bundleSpec.version), false);
        json.value(u"SDKVersion"_s, quoted(u"VST 3.7.9"_s), false);
        if (!moduleClass.controller) {
            json.open(u"Sub Categories"_s, u'[');
            for (qsizetype s = 0; s < moduleClass.subCategories.size(); ++s)
                json.element(quoted(moduleClass.subCategories[s]), s + 1 == moduleClass.subCategories.size());
            json.close(u']', false);
        }
        json.value(u"Class Flags"_s, moduleClass.controller ? u"0"_s : u"1"_s, false);
        json.value(u"Cardinality"_s, u"2147483647"_s, false);
        json.open(u"Snapshots"_s, u'[');
        json.close(u']', true);
        json.close(u'}', i + 1 == bundleSpec.classes.size());
    }
    json.close(u']', true);
    json.close(u'}', true);
    return json.bytes();
}

bool write(const Vst3BundleSpec& bundleSpec)
{
    const QString contents = bundleSpec.path + u"/Contents"_s;
    const QString binaryFolder = contents + u'/' + bundleSpec.architectureFolder;
    if (!QDir().mkpath(binaryFolder))
        return false;
    const QString stem = QFileInfo(bundleSpec.path).completeBaseName();
    const bool windows = bundleSpec.architectureFolder.endsWith(u"-win"_s);
    const bool written = windows ? PeImageWriter::write(binaryFolder + u'/' + stem + u".vst3"_s, bundleSpec.pe)
                                 : ElfImageWriter::write(binaryFolder + u'/' + stem + u".so"_s, bundleSpec.elf);
    if (!written)
        return false;

    const QString resources = contents + u"/Resources"_s;
    if ((bundleSpec.resourceFiles > 0 || bundleSpec.moduleInfoPlace == Vst3BundleSpec::ModuleInfoPlace::resources) &&
        !QDir().mkpath(resources))
        return false;
    if (bundleSpec.moduleInfoPlace != Vst3BundleSpec::ModuleInfoPlace::none) {
        const QString folder =
            bundleSpec.moduleInfoPlace == Vst3BundleSpec::ModuleInfoPlace::resources ? resources : contents;
        QFile file(folder + u"/moduleinfo.json"_s);
        const QByteArray json = moduleInfo(bundleSpec);
        if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size())
            return false;
    }
    return BundleWriter::writeSparseFiles(resources, u"%1/Resource %2.dat"_s, 3, bundleSpec.resourceFiles,
                                          bundleSpec.resourceBytes);
}

} // namespace Vst3BundleWriter
