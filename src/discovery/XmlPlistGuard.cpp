#include "discovery/XmlPlistGuard.h"

namespace {

qsizetype find(QByteArrayView text, QByteArrayView what, qsizetype from)
{
    const qsizetype at = text.indexOf(what, from);
    return at < 0 ? -1 : at + what.size();
}

// The position after the tag's closing '>', skipping quoted attribute values; -1 when open.
qsizetype tagEnd(QByteArrayView text, qsizetype from)
{
    char quote = 0;
    for (qsizetype i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return -1;
}

} // namespace

bool XmlPlistGuard::nestingWithin(QByteArrayView xml, int depth)
{
    int level = 0;
    qsizetype i = 0;
    while (i < xml.size()) {
        const qsizetype open = xml.indexOf('<', i);
        if (open < 0)
            return true;
        const QByteArrayView rest = xml.sliced(open);
        if (rest.startsWith("<!--")) {
            i = find(xml, "-->", open + 4);
        } else if (rest.startsWith("<![CDATA[")) {
            i = find(xml, "]]>", open + 9);
        } else if (rest.startsWith("<?")) {
            i = find(xml, "?>", open + 2);
        } else if (rest.startsWith("<!") || rest.startsWith("</")) {
            // A closing tag may close anything: the count only has to bound what opens.
            if (rest.startsWith("</") && level > 0)
                --level;
            i = tagEnd(xml, open + 2);
        } else {
            i = tagEnd(xml, open + 1);
            if (i < 0)
                return false;
            if (xml[i - 2] != '/' && ++level > depth)
                return false;
        }
        if (i < 0)
            return false;
    }
    return true;
}
