#include "model/VisibleText.h"

#include <gtest/gtest.h>

namespace {

TEST(VisibleTextTest, ControlsBecomeVisibleAndNothingElseChanges)
{
    using VisibleText::CarriageReturn;
    struct Case {
        QString text;
        CarriageReturn carriageReturn;
        QString shown;
    };
    const Case cases[] = {
        {QStringLiteral("Pro-Q 3 — Größe"), CarriageReturn::replace, QStringLiteral("Pro-Q 3 — Größe")},
        {QStringLiteral("lines\nand\ttabs"), CarriageReturn::replace, QStringLiteral("lines\nand\ttabs")},
        {QStringLiteral("\x1b]0;owned\x07Verb"), CarriageReturn::replace, QStringLiteral("␛]0;owned␇Verb")},
        {QStringLiteral("\x1b[2J"), CarriageReturn::replace, QStringLiteral("␛[2J")},
        {QString(QChar(u'\0')) + QStringLiteral("\x01\x1f"), CarriageReturn::replace, QStringLiteral("␀␁␟")},
        {QStringLiteral("a\rb"), CarriageReturn::replace, QStringLiteral("a␍b")},
        {QStringLiteral("a\rb"), CarriageReturn::keep, QStringLiteral("a\rb")},
        {QStringLiteral("del\x7f"), CarriageReturn::replace, QStringLiteral("del␡")},
        {QStringLiteral("c1\u0080\u009b\u009f"), CarriageReturn::replace, QStringLiteral("c1\uFFFD\uFFFD\uFFFD")},
        {QStringLiteral("\u00a0nbsp stays"), CarriageReturn::replace, QStringLiteral("\u00a0nbsp stays")},
    };
    for (const Case& test : cases)
        EXPECT_EQ(VisibleText::replacingControls(test.text, test.carriageReturn), test.shown)
            << test.text.toStdString();
}

} // namespace
