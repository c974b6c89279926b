#pragma once

#include <QString>

// Where things live in the sample library, relative to its root (a macOS system root).
namespace DemoLayout {
inline const QString userName = QStringLiteral("alex");
inline const QString home = QStringLiteral("Users/alex");
inline const QString systemPlugIns = QStringLiteral("Library/Audio/Plug-Ins");
inline const QString userPlugIns = QStringLiteral("Users/alex/Library/Audio/Plug-Ins");
inline const QString systemAvid = QStringLiteral("Library/Application Support/Avid/Audio/Plug-Ins");
inline const QString drive = QStringLiteral("Volumes/Studio SSD");
inline const QString samples = QStringLiteral("Volumes/Samples");
} // namespace DemoLayout
