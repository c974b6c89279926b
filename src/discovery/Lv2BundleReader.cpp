#include "discovery/Lv2BundleReader.h"

#include "discovery/Lv2PluginClass.h"
#include "discovery/TurtleSyntaxCheck.h"
#include "model/FilePathBytes.h"

#include <lilv/lilv.h>

#include <QSet>

#include <sys/stat.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Real plug-in data stays far below these; past them a bundle is not worth a scan's time.
constexpr qint64 maxFileBytes = 8 * 1024 * 1024;
constexpr qint64 maxBundleBytes = 32 * 1024 * 1024;

constexpr const char* lv2Core = "http://lv2plug.in/ns/lv2core#";
constexpr const char* doap = "http://usefulinc.com/ns/doap#";

// The size of a readable regular file (following links), or -1: a FIFO or a device named as
// Turtle data must never reach the parser.
qint64 regularFileSize(const QByteArray& path)
{
    struct stat info {};
    if (::stat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return -1;
    return info.st_size;
}

struct NodeDeleter {
    void operator()(LilvNode* node) const { lilv_node_free(node); }
};
struct NodesDeleter {
    void operator()(LilvNodes* nodes) const { lilv_nodes_free(nodes); }
};
struct WorldDeleter {
    void operator()(LilvWorld* world) const { lilv_world_free(world); }
};
using Node = std::unique_ptr<LilvNode, NodeDeleter>;
using Nodes = std::unique_ptr<LilvNodes, NodesDeleter>;

QString text(const LilvNode* node)
{
    return node ? QString::fromUtf8(lilv_node_as_string(node)).trimmed() : QString();
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = char(c | 0x20);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// serd's own file-URI parser reads past the end of a URI that ends inside an escape ("a.ttl%"),
// so the bytes are decoded here, and a malformed escape makes the URI name no file.
QString localPath(const LilvNode* fileUri)
{
    if (!fileUri || !lilv_node_is_uri(fileUri))
        return {};
    QByteArrayView uri(lilv_node_as_uri(fileUri));
    if (!uri.startsWith("file:"))
        return {};
    uri = uri.sliced(5);
    if (uri.startsWith("//")) {
        uri = uri.sliced(2);
        const qsizetype slash = uri.indexOf('/');
        if (slash < 0)
            return {};
        const QByteArrayView host = uri.first(slash);
        if (!host.isEmpty() && host != "localhost")
            return {};
        uri = uri.sliced(slash);
    }
    QByteArray path;
    path.reserve(uri.size());
    for (qsizetype i = 0; i < uri.size(); ++i) {
        if (uri[i] != '%') {
            path.append(uri[i]);
            continue;
        }
        const int high = i + 2 < uri.size() ? hexValue(uri[i + 1]) : -1;
        const int low = high < 0 ? -1 : hexValue(uri[i + 2]);
        if (low < 0)
            return {};
        path.append(char(high * 16 + low));
        i += 2;
    }
    if (path.isEmpty() || path.contains('\0'))
        return {};
    return FilePathBytes::decode(path);
}

class BundleWorld {
public:
    BundleWorld()
        : m_world(lilv_world_new())
    {
        // Before anything is loaded: with dynamic manifests on, lilv opens and runs plug-in code.
        Node off(lilv_new_bool(world(), false));
        lilv_world_set_option(world(), LILV_OPTION_DYN_MANIFEST, off.get());
        Node on(lilv_new_bool(world(), true));
        lilv_world_set_option(world(), LILV_OPTION_FILTER_LANG, on.get());
        m_foafName.reset(lilv_new_uri(world(), "http://xmlns.com/foaf/0.1/name"));
        m_maintainer.reset(lilv_new_uri(world(), (QByteArray(doap) + "maintainer").constData()));
        m_developer.reset(lilv_new_uri(world(), (QByteArray(doap) + "developer").constData()));
        m_type.reset(lilv_new_uri(world(), "http://www.w3.org/1999/02/22-rdf-syntax-ns#type"));
        m_prototype.reset(lilv_new_uri(world(), (QByteArray(lv2Core) + "prototype").constData()));
        m_seeAlso.reset(lilv_new_uri(world(), "http://www.w3.org/2000/01/rdf-schema#seeAlso"));
        m_name.reset(lilv_new_uri(world(), (QByteArray(doap) + "name").constData()));
        m_binary.reset(lilv_new_uri(world(), (QByteArray(lv2Core) + "binary").constData()));
        m_minor.reset(lilv_new_uri(world(), (QByteArray(lv2Core) + "minorVersion").constData()));
        m_micro.reset(lilv_new_uri(world(), (QByteArray(lv2Core) + "microVersion").constData()));
    }

    LilvWorld* world() const { return m_world.get(); }

    enum Relation { prototype, seeAlso };
    // The objects of `subject`'s `relation` statements in the model as it stands.
    LilvNodes* find(const LilvNode* subject, Relation relation) const
    {
        return lilv_world_find_nodes(world(), subject, relation == prototype ? m_prototype.get() : m_seeAlso.get(), nullptr);
    }

    // The foaf:name of the first of `subject`'s `role` nodes that has one.
    QString personName(const LilvNode* subject, const LilvNode* role, const LilvPlugin* plugin) const
    {
        Nodes people(plugin ? lilv_plugin_get_value(plugin, role) : lilv_world_find_nodes(world(), subject, role, nullptr));
        LILV_FOREACH (nodes, i, people.get()) {
            Node name(lilv_world_get(world(), lilv_nodes_get(people.get(), i), m_foafName.get(), nullptr));
            if (!text(name.get()).isEmpty())
                return text(name.get());
        }
        return {};
    }

    QString publisher(const LilvPlugin* plugin) const
    {
        Node project(lilv_plugin_get_project(plugin));
        for (const LilvNode* role : {m_maintainer.get(), m_developer.get()}) {
            QString name = personName(nullptr, role, plugin);
            if (name.isEmpty() && project)
                name = personName(project.get(), role, nullptr);
            if (!name.isEmpty())
                return name;
        }
        return {};
    }

    // The plug-in's first `property` value. lilv's own getters for the name and the binary print
    // a warning when they are absent, which is common and no business of the user.
    QString first(const LilvPlugin* plugin, bool binary) const
    {
        Nodes values(lilv_plugin_get_value(plugin, binary ? m_binary.get() : m_name.get()));
        const LilvNode* value = values ? lilv_nodes_get_first(values.get()) : nullptr;
        return binary ? localPath(value) : text(value);
    }

    QString version(const LilvPlugin* plugin) const
    {
        Nodes minor(lilv_plugin_get_value(plugin, m_minor.get()));
        Nodes micro(lilv_plugin_get_value(plugin, m_micro.get()));
        const LilvNode* minorNode = minor ? lilv_nodes_get_first(minor.get()) : nullptr;
        const LilvNode* microNode = micro ? lilv_nodes_get_first(micro.get()) : nullptr;
        if (!minorNode || !lilv_node_is_int(minorNode))
            return {};
        const int microValue = microNode && lilv_node_is_int(microNode) ? lilv_node_as_int(microNode) : 0;
        return u"%1.%2"_s.arg(lilv_node_as_int(minorNode)).arg(microValue);
    }

    QStringList types(const LilvPlugin* plugin) const
    {
        QStringList uris;
        Nodes types(lilv_plugin_get_value(plugin, m_type.get()));
        LILV_FOREACH (nodes, i, types.get()) {
            const LilvNode* type = lilv_nodes_get(types.get(), i);
            if (lilv_node_is_uri(type))
                uris.append(QString::fromUtf8(lilv_node_as_uri(type)));
        }
        return uris;
    }

private:
    std::unique_ptr<LilvWorld, WorldDeleter> m_world;
    Node m_foafName, m_maintainer, m_developer, m_type, m_minor, m_micro, m_name, m_binary, m_prototype, m_seeAlso;
};

// Admits the Turtle files lilv may read: regular local files, each and all together within the
// caps, each parsing cleanly. A file is looked at once.
class FileGate {
public:
    explicit FileGate(const QString& checkedManifest) { m_admitted.insert(checkedManifest); }

    bool admit(const QString& path)
    {
        if (m_admitted.contains(path))
            return true;
        const qint64 size = path.isEmpty() ? -1 : regularFileSize(FilePathBytes::encode(path));
        if (size < 0 || size > maxFileBytes || size > maxBundleBytes - m_total || !TurtleSyntaxCheck::isClean(path))
            return false;
        m_total += size;
        m_admitted.insert(path);
        return true;
    }

    bool admitAll(const LilvNodes* files)
    {
        LILV_FOREACH (nodes, i, files)
            if (!admit(localPath(lilv_nodes_get(files, i))))
                return false;
        return true;
    }

private:
    QSet<QString> m_admitted;
    qint64 m_total = 0;
};

// Every plug-in's data files, and the files of every prototype any plug-in names as the model
// stands: lilv reads a prototype's rdfs:seeAlso when it loads the plug-in, and data loaded for
// one plug-in may add prototypes or files for the next.
bool filesFit(BundleWorld& world, const LilvPlugins* plugins, FileGate& gate)
{
    LILV_FOREACH (plugins, i, plugins) {
        const LilvPlugin* plugin = lilv_plugins_get(plugins, i);
        if (!gate.admitAll(lilv_plugin_get_data_uris(plugin)))
            return false;
        Nodes prototypes(world.find(lilv_plugin_get_uri(plugin), BundleWorld::prototype));
        LILV_FOREACH (nodes, j, prototypes.get()) {
            Nodes files(world.find(lilv_nodes_get(prototypes.get(), j), BundleWorld::seeAlso));
            if (!gate.admitAll(files.get()))
                return false;
        }
    }
    return true;
}

} // namespace

namespace Lv2BundleReader {

Lv2Bundle read(const QString& bundlePath)
{
    Lv2Bundle bundle;
    const QString folder = bundlePath.endsWith(u'/') ? bundlePath : bundlePath + u'/';
    const QString localPathOfManifest = folder + u"manifest.ttl"_s;
    const qint64 manifestSize = regularFileSize(FilePathBytes::encode(localPathOfManifest));
    if (manifestSize < 0 || manifestSize > maxFileBytes || !TurtleSyntaxCheck::isClean(localPathOfManifest))
        return bundle;

    BundleWorld world;
    Node bundleUri(lilv_new_file_uri(world.world(), nullptr, FilePathBytes::encode(folder).constData()));
    if (!bundleUri)
        return bundle;
    lilv_world_load_bundle(world.world(), bundleUri.get());
    const LilvPlugins* plugins = lilv_world_get_all_plugins(world.world());
    FileGate gate(localPathOfManifest);
    LILV_FOREACH (plugins, i, plugins) {
        // Before each plug-in's data is loaded, as what earlier plug-ins loaded may change it.
        if (!filesFit(world, plugins, gate))
            return {};
        const LilvPlugin* plugin = lilv_plugins_get(plugins, i);
        Lv2Plugin entry;
        entry.binaryPath = world.first(plugin, true);
        // Data for a plug-in whose code is elsewhere (extensions, presets) is not an install.
        if (entry.binaryPath.isEmpty())
            continue;
        entry.uri = QString::fromUtf8(lilv_node_as_uri(lilv_plugin_get_uri(plugin)));
        entry.name = world.first(plugin, false);
        entry.publisher = world.publisher(plugin);
        entry.version = world.version(plugin);
        entry.category = Lv2PluginClass::categoryOf(world.types(plugin));
        bundle.plugins.append(entry);
    }
    bundle.readable = true;
    return bundle;
}

} // namespace Lv2BundleReader
