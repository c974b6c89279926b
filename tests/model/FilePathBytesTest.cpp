#include "model/FilePathBytes.h"

#include <gtest/gtest.h>

namespace {

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

TEST(FilePathBytesTest, BytesComeBackExactlyAndValidUtf8StaysText)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        QString display; // empty: the bytes are valid UTF-8 and the text is them
    };
    const QString fffd(QChar::ReplacementCharacter);
    const Case cases[] = {
        {"ASCII", "/Library/Audio/Plug-Ins/VST3/Verb.vst3", {}},
        {"UTF-8 names", "/Volumes/Größe/日本語/🎹.component", {}},
        {"Latin-1 byte", "/tmp/caf\xe9.vst3", QStringLiteral("/tmp/caf") + fffd + QStringLiteral(".vst3")},
        {"lone continuation", "a\x80z", QStringLiteral("a") + fffd + QStringLiteral("z")},
        {"truncated sequence at the end", "x\xe6\x97", QStringLiteral("x") + fffd + fffd},
        {"overlong slash", "\xc0\xaf", fffd + fffd},
        {"encoded surrogate", "\xed\xa0\x80", fffd + fffd + fffd},
        {"beyond U+10FFFF", "\xf4\x90\x80\x80", fffd + fffd + fffd + fffd},
        {"0xFF and 0xFE", "\xff\xfe", fffd + fffd},
        // Valid UTF-8 of the private range that stands for bytes is itself escaped, byte by byte.
        {"the reserved range written as UTF-8", "\xf4\x8f\xbe\x80", fffd + fffd + fffd + fffd},
        {"just below the reserved range", "\xf4\x8f\xbd\xbf", {}},
        // Round trips mean different bytes never share a text, not even with a replacement character.
        {"the replacement character itself", "caf\xef\xbf\xbd", {}},
        {"two Latin-1 bytes", "caf\xe9\xe9", QStringLiteral("caf") + fffd + fffd},
        {"empty", "", {}},
    };
    for (const Case& test : cases) {
        const QString text = FilePathBytes::decode(test.bytes);
        EXPECT_EQ(hex(FilePathBytes::encode(text)), hex(test.bytes)) << test.name;
        const QString expectedDisplay = test.display.isEmpty() ? QString::fromUtf8(test.bytes) : test.display;
        EXPECT_EQ(FilePathBytes::displayForm(text), expectedDisplay) << test.name;
        if (test.display.isEmpty()) {
            EXPECT_EQ(text, QString::fromUtf8(test.bytes)) << test.name;
        }
    }
}

} // namespace
