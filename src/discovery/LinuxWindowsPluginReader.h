#pragma once

#include "discovery/ScannedPlugin.h"
#include "model/PluginFormat.h"

#include <QList>
#include <QString>

#include <optional>

// Recognises, from files only, the Linux and Windows plug-ins a walk meets: VST3 bundles with
// Linux or Windows binaries and legacy single-file VST3 DLLs, LV2 bundles, CLAP files, VST 2 and
// LADSPA shared objects, and the copies a Wine bridge syncs into the Linux folders. Never loads
// code: image headers, moduleinfo.json and Turtle files are read with bounded reads. Paths are
// resolved through symbolic links, so a plug-in reached under two names is one install. Sizes
// and dates are left to the caller.
namespace LinuxWindowsPluginReader {

enum class Claim {
    none,       // not a Linux or Windows form: the macOS rules apply
    plugins,    // described (possibly as nothing: a helper library, a preset bundle); not entered
    walkInside, // a folder to walk like any other (a folder named *.clap)
};

struct Result {
    Claim claim = Claim::none;
    QList<ScannedPlugin> plugins;
};

// `path` is an entry met in a walk, `isFolder` whether it is (or links to) a folder, and
// `folderFormat` the format of the plug-in folder it lies in, when it lies in one.
[[nodiscard]] Result read(const QString& path, bool isFolder, std::optional<PluginFormat> folderFormat);

// Whether a file name could be claimed, so a walk asks only about those.
[[nodiscard]] bool mayClaim(const char* name);

// Whether a folder of this name is claimed whatever its files say (an LV2 bundle), so a walk may
// leave reading it to later; all its plug-ins then lie in it.
[[nodiscard]] bool claimsFolder(const char* name);

} // namespace LinuxWindowsPluginReader
