#pragma once

#include <QSqlError>
#include <QString>

// User-readable sentences for the SQLite failures a user can meet.
namespace SqlErrorText {

// The primary SQLite result code of an error, 0 when there is none.
int sqliteCode(const QSqlError& error);
// "The catalogue is locked by another process." and the like, followed by SQLite's own words.
QString describe(const QSqlError& error);

} // namespace SqlErrorText
