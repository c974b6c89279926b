#pragma once

// The platform's alert sound (the X11 bell; silent where the platform has none).
namespace AlertSound {
void play();
}
