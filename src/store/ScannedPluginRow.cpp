#include "store/ScannedPluginRow.h"

#include "model/ByteCountFormat.h"
#include "model/RowDateFormat.h"

RawPlugin rawPluginFromScanned(const ScannedPlugin& scanned) {
    RawPlugin row;
    row.name = scanned.name;
    row.publisher = scanned.publisher;
    row.version = scanned.version;
    row.type = rawValue(scanned.format);
    row.archs = rawValue(scanned.architecture);
    row.dated = formatRowDate(scanned.dateModified);
    row.installed = formatRowDate(scanned.installDate);
    row.size = formatByteCount(scanned.fileSize);
    row.pluginID = scanned.bundleID;
    row.path = scanned.filePath;
    return row;
}
