#include "cli/JsonText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

TEST(JsonText, EveryControlCharacterRoundTrips) {
    QString all;
    for (char16_t c = 0; c < 0x20; ++c)
        all += QChar(c);
    all += QStringLiteral("\"\\/ \u00e9 \U0001F3B9");
    const QString json = JsonText::array({JsonText::quoted(all)});
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    ASSERT_TRUE(document.isArray());
    EXPECT_EQ(document.array().first().toString(), all);
}

} // namespace
