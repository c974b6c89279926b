#pragma once

#include <QByteArrayView>

// libplist reads XML elements by recursion, so a file nested a few hundred thousand levels deep
// exhausts the stack. This measures the nesting with one pass over the text, without recursion.
class XmlPlistGuard {
public:
    // False when elements nest deeper than `depth`, or when a tag, comment or section is left open.
    [[nodiscard]] static bool nestingWithin(QByteArrayView xml, int depth);
};
