#pragma once

#include <QtGlobal>

// The CLAP version a plug-in was built against: the first 12 bytes of its clap_entry.
struct ClapVersion {
    quint32 major = 0;
    quint32 minor = 0;
    quint32 revision = 0;

    friend bool operator==(const ClapVersion&, const ClapVersion&) = default;
};
