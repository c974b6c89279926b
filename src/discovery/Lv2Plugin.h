#pragma once

#include <QString>

// One plug-in of an LV2 bundle, from its Turtle data.
struct Lv2Plugin {
    QString uri;
    QString name;       // doap:name; empty when absent
    QString publisher;  // maintainer's foaf:name, else the project's, else the developer's
    QString version;    // "minor.micro" from lv2:minorVersion / lv2:microVersion; empty when absent
    QString category;   // label of the most specific lv2 core plug-in class; empty when none
    QString binaryPath; // lv2:binary as a local path; empty when it is not a local file
};
