#include "model/CatalogSchema.h"

#include <QList>

namespace {

struct Column {
    const char* name;
    const char* definition;
};

struct Table {
    CatalogObject::Kind kind;
    const char* name;
    QList<Column> columns;
};

const QList<Table>& tables()
{
    using Kind = CatalogObject::Kind;
    static const QList<Table> all{
        {Kind::record,
         "PluginRecord",
         {{"name", "TEXT NOT NULL"},
          {"publisher", "TEXT NOT NULL"},
          {"displayVersion", "TEXT NOT NULL"},
          {"category", "TEXT NOT NULL"},
          {"bundleDescription", "TEXT NOT NULL"},
          {"isFavorite", "INTEGER NOT NULL"},
          {"notes", "TEXT NOT NULL"}}},
        {Kind::install,
         "PluginInstall",
         {{"filePath", "TEXT NOT NULL"},
          {"format", "TEXT NOT NULL"},
          {"bundleID", "TEXT NOT NULL"},
          {"version", "TEXT NOT NULL"},
          {"architecture", "TEXT NOT NULL"},
          {"fileSize", "INTEGER NOT NULL"},
          {"dateModified", "REAL"},
          {"installDate", "REAL"},
          {"status", "TEXT NOT NULL"},
          {"group", "INTEGER REFERENCES \"PluginRecord\"(id) ON DELETE CASCADE"},
          {"groupOrder", "INTEGER NOT NULL"},
          {"auComponentType", "TEXT NOT NULL"},
          {"auComponentSubType", "TEXT NOT NULL"},
          {"auComponentManufacturer", "TEXT NOT NULL"},
          {"platform", "TEXT NOT NULL DEFAULT 'macOS'"},
          {"pluginIdentifier", "TEXT NOT NULL DEFAULT ''"},
          {"isBridged", "INTEGER NOT NULL DEFAULT 0"}}},
        {Kind::parameter,
         "PluginParameter",
         {{"name", "TEXT NOT NULL"},
          {"identifier", "TEXT NOT NULL"},
          {"minValue", "REAL NOT NULL"},
          {"maxValue", "REAL NOT NULL"},
          {"defaultValue", "REAL NOT NULL"},
          {"unit", "TEXT NOT NULL"},
          {"install", "INTEGER REFERENCES \"PluginInstall\"(id) ON DELETE CASCADE"},
          {"installOrder", "INTEGER NOT NULL"}}},
        {Kind::tag, "Tag", {{"name", "TEXT NOT NULL"}}},
        {Kind::scanBookmark, "ScanBookmark", {{"path", "TEXT NOT NULL"}, {"bookmarkData", "BLOB NOT NULL"}}},
        {Kind::contentFolder,
         "ContentLibraryFolder",
         {{"path", "TEXT NOT NULL"},
          {"name", "TEXT NOT NULL"},
          {"publisher", "TEXT NOT NULL"},
          {"bookmarkData", "BLOB NOT NULL"},
          {"totalBytes", "INTEGER NOT NULL"},
          {"lastScannedAt", "REAL"},
          {"status", "TEXT NOT NULL"}}},
        {Kind::contentItem,
         "ContentLibraryItem",
         {{"rootPath", "TEXT NOT NULL"},
          {"path", "TEXT NOT NULL"},
          {"name", "TEXT NOT NULL"},
          {"publisher", "TEXT NOT NULL"},
          {"totalBytes", "INTEGER NOT NULL"},
          {"lastScannedAt", "REAL"},
          {"status", "TEXT NOT NULL"}}},
    };
    return all;
}

const Table& table(CatalogObject::Kind kind)
{
    return tables()[qsizetype(kind)];
}

QString quoted(const char* name)
{
    return QLatin1Char('"') + QLatin1StringView(name) + QLatin1Char('"');
}

} // namespace

namespace CatalogSchema {

QString tableName(CatalogObject::Kind kind)
{
    return QLatin1StringView(table(kind).name);
}

const QStringList& columns(CatalogObject::Kind kind)
{
    static const QList<QStringList> names = [] {
        QList<QStringList> result;
        for (const Table& t : tables()) {
            QStringList list;
            for (const Column& c : t.columns)
                list.append(QLatin1StringView(c.name));
            result.append(list);
        }
        return result;
    }();
    return names[qsizetype(kind)];
}

QStringList createStatements()
{
    QStringList statements;
    statements.append(QStringLiteral("CREATE TABLE \"%1\" (\"key\" TEXT PRIMARY KEY NOT NULL, \"value\" TEXT NOT NULL)")
                          .arg(QLatin1StringView(metadataTable)));
    for (const Table& t : tables()) {
        QStringList definitions{QStringLiteral("\"id\" INTEGER PRIMARY KEY")};
        for (const Column& c : t.columns)
            definitions.append(quoted(c.name) + QLatin1Char(' ') + QLatin1StringView(c.definition));
        statements.append(
            QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(t.name), definitions.join(QStringLiteral(", "))));
    }
    statements.append(QStringLiteral("CREATE TABLE \"%1\" (\"PluginRecord\" INTEGER NOT NULL REFERENCES "
                                     "\"PluginRecord\"(id) ON DELETE CASCADE, \"Tag\" INTEGER NOT NULL REFERENCES "
                                     "\"Tag\"(id) ON DELETE CASCADE, \"linkOrder\" INTEGER NOT NULL, "
                                     "PRIMARY KEY (\"PluginRecord\", \"Tag\"))")
                          .arg(QLatin1StringView(tagLinkTable)));
    // Cascades and relationship loads look children up by their parent.
    statements.append(QStringLiteral("CREATE INDEX \"PluginInstall_group\" ON \"PluginInstall\"(\"group\")"));
    statements.append(QStringLiteral("CREATE INDEX \"PluginParameter_install\" ON \"PluginParameter\"(\"install\")"));
    statements.append(
        QStringLiteral("CREATE INDEX \"PluginRecord_tags_Tag\" ON \"%1\"(\"Tag\")").arg(QLatin1StringView(tagLinkTable)));
    return statements;
}

int compareVersions(const QString& a, const QString& b)
{
    const QStringList left = a.split(QLatin1Char('.'));
    const QStringList right = b.split(QLatin1Char('.'));
    for (qsizetype i = 0; i < std::max(left.size(), right.size()); ++i) {
        bool leftOk = true;
        bool rightOk = true;
        const int l = i < left.size() ? left[i].toInt(&leftOk) : 0;
        const int r = i < right.size() ? right[i].toInt(&rightOk) : 0;
        if (!leftOk || l < 0)
            return 1;
        if (!rightOk || r < 0)
            return -1;
        if (l != r)
            return l < r ? -1 : 1;
    }
    return 0;
}

} // namespace CatalogSchema
