#pragma once

#include <QString>

// Names and property-list values come from files anyone can write. Printed raw, a control
// character moves the cursor, retitles the terminal or hides text; shown as its symbol it does
// nothing and stays visible.
namespace VisibleText {

enum class CarriageReturn { replace, keep };

// Each C0 control but the line feed and the tab becomes its Control Pictures symbol (ESC as
// U+241B), DEL becomes U+2421, and each C1 control becomes U+FFFD. A live progress line keeps
// its carriage returns.
[[nodiscard]] QString replacingControls(const QString& text, CarriageReturn carriageReturn = CarriageReturn::replace);

} // namespace VisibleText
