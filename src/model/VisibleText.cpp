#include "model/VisibleText.h"

namespace {

bool needsReplacing(char16_t c, bool keepCarriageReturn)
{
    if (c == u'\n' || c == u'\t' || (keepCarriageReturn && c == u'\r'))
        return false;
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace

QString VisibleText::replacingControls(const QString& text, CarriageReturn carriageReturn)
{
    const bool keep = carriageReturn == CarriageReturn::keep;
    qsizetype first = 0;
    while (first < text.size() && !needsReplacing(text[first].unicode(), keep))
        ++first;
    if (first == text.size())
        return text;
    QString shown = text;
    for (qsizetype i = first; i < shown.size(); ++i) {
        const char16_t c = shown[i].unicode();
        if (!needsReplacing(c, keep))
            continue;
        if (c < 0x20)
            shown[i] = QChar(char16_t(0x2400 + c));
        else if (c == 0x7F)
            shown[i] = QChar(char16_t(0x2421));
        else
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}
