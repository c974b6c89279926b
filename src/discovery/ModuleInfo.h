#pragma once

#include "discovery/ModuleInfoClass.h"

#include <QList>
#include <QString>

// What a VST3 bundle's moduleinfo.json says about the module and its audio classes.
struct ModuleInfo {
    QString name;    // top-level Name
    QString version; // top-level Version
    QString vendor;  // Factory Info / Vendor
    QString url;     // Factory Info / URL
    QList<ModuleInfoClass> audioClasses; // in file order; other categories are left out
};
