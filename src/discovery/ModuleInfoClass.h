#pragma once

#include <QString>
#include <QStringList>

// One "Audio Module Class" of a VST3 moduleinfo.json: one plug-in as a host lists it.
struct ModuleInfoClass {
    QString cid;
    QString name;       // the class's Name, else the top-level Name
    QString vendor;     // the class's Vendor, else Factory Info's Vendor
    QString version;    // the class's Version, else the top-level Version
    QString sdkVersion; // the class's SDKVersion only
    QStringList subCategories; // "Sub Categories", e.g. {"Fx", "Reverb"}
};
