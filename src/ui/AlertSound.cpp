#include "ui/AlertSound.h"

#include <QApplication>

namespace AlertSound {

void play()
{
    // Static, and served by the platform integration, so a QGuiApplication is enough.
    QApplication::beep();
}

} // namespace AlertSound
