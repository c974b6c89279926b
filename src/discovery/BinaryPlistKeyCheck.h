#pragma once

#include <QByteArray>

// libplist aborts on a binary dictionary key that holds a NUL character, so such files are
// refused before it sees them. Any structure this walk cannot follow is refused as well.
namespace BinaryPlistKeyCheck {

// False when a dictionary key may hold a NUL or the object table cannot be followed.
[[nodiscard]] bool keysAreSafe(const QByteArray& binaryPlist);

} // namespace BinaryPlistKeyCheck
