#include "cli/JsonText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

TEST(JsonText, QuotesAndEscapesWhatJsonRequires) {
    const QList<QPair<QString, QString>> cases{
        {QString(), QStringLiteral("\"\"")},
        {QStringLiteral("plain"), QStringLiteral("\"plain\"")},
        {QStringLiteral("a\"b"), QStringLiteral("\"a\\\"b\"")},
        {QStringLiteral("back\\slash"), QStringLiteral("\"back\\\\slash\"")},
        {QStringLiteral("tab\tnew\nline\rret"), QStringLiteral("\"tab\\tnew\\nline\\rret\"")},
        {QStringLiteral("\b\f"), QStringLiteral("\"\\b\\f\"")},
        {QString(QChar(0x01)) + QChar(0x1F), QStringLiteral("\"\\u0001\\u001f\"")},
        {QStringLiteral("/ stays, \u00e9 and \U0001F3B9 stay"),
         QStringLiteral("\"/ stays, \u00e9 and \U0001F3B9 stay\"")},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(JsonText::quoted(text), expected) << text.toStdString();
}

TEST(JsonText, EveryControlCharacterRoundTrips) {
    QString all;
    for (char16_t c = 0; c < 0x20; ++c)
        all += QChar(c);
    const QString json = JsonText::array({JsonText::quoted(all)});
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    ASSERT_TRUE(document.isArray());
    EXPECT_EQ(document.array().first().toString(), all);
}

TEST(JsonText, ObjectsKeepMemberOrderAndArraysParse) {
    const QString first =
        JsonText::object({{QStringLiteral("zeta"), QStringLiteral("1")},
                          {QStringLiteral("alpha"), JsonText::quoted(QStringLiteral("x"))}});
    EXPECT_EQ(first, QStringLiteral("  {\n    \"zeta\": 1,\n    \"alpha\": \"x\"\n  }"));
    const QString json = JsonText::array({first, first});
    EXPECT_TRUE(json.startsWith(QStringLiteral("[\n  {")));
    EXPECT_TRUE(json.endsWith(QStringLiteral("  }\n]\n")));
    EXPECT_EQ(QJsonDocument::fromJson(json.toUtf8()).array().size(), 2);
    EXPECT_EQ(JsonText::array({}), QStringLiteral("[]\n"));
}

} // namespace
