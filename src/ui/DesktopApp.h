#pragma once

#include "ui/DesktopOptions.h"

// The desktop application's entry points for the command line.
namespace DesktopApp {

// Creates the QGuiApplication (none may exist yet), opens the catalogue and the main window, and
// runs until the last window closes. Returns the exit status: 1 after printing
// "Failed to create ModelContainer: " and the reason on standard error when the catalogue cannot
// be opened.
int run(int argc, char** argv, const DesktopOptions& options);

// Whether a window can be shown: an X11 or Wayland display is named, or a windowing platform other
// than offscreen or minimal is chosen through QT_QPA_PLATFORM.
[[nodiscard]] bool displayAvailable();

} // namespace DesktopApp
