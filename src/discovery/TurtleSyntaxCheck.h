#pragma once

#include <QString>

// Parses a Turtle file without keeping anything, to find out whether it is clean. lilv prints
// every syntax error it meets to standard error and has no way to be told otherwise; a bundle
// whose files are not clean is therefore never handed to it.
namespace TurtleSyntaxCheck {

// True when the file is a regular file of at most 8 MB whose brackets nest at most 64 deep (the
// parser recurses on them) and that parses without a single error or warning.
[[nodiscard]] bool isClean(const QString& filePath);

} // namespace TurtleSyntaxCheck
