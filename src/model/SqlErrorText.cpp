#include "model/SqlErrorText.h"

namespace {

enum SqliteCode {
    busy = 5,
    locked = 6,
    readOnly = 8,
    ioError = 10,
    corrupt = 11,
    full = 13,
    cantOpen = 14,
    notADatabase = 26,
};

QString sentence(int code)
{
    switch (code) {
    case busy:
    case locked:
        return QStringLiteral("The catalogue is locked by another process.");
    case readOnly:
        return QStringLiteral("The catalogue file is read-only.");
    case ioError:
        return QStringLiteral("The catalogue file could not be written or read.");
    case corrupt:
    case notADatabase:
        return QStringLiteral("The catalogue file is damaged.");
    case full:
        return QStringLiteral("The disk is full.");
    case cantOpen:
        return QStringLiteral("The catalogue file could not be opened.");
    default:
        return {};
    }
}

} // namespace

namespace SqlErrorText {

int sqliteCode(const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xff : 0;
}

QString describe(const QSqlError& error)
{
    const QString detail = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    const QString text = sentence(sqliteCode(error));
    if (text.isEmpty())
        return detail;
    return detail.isEmpty() ? text : text + QStringLiteral(" (") + detail + QLatin1Char(')');
}

} // namespace SqlErrorText
