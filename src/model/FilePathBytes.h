#pragma once

#include <QByteArray>
#include <QString>

// File names on this platform are bytes, not text. A path is held as a QString in which every
// byte that is not part of valid UTF-8 stands as one code point of a reserved private range, so
// the bytes come back exactly for every file access and the text stays stable as an identity.
namespace FilePathBytes {

// The bytes of a path held as text: pass these to every system call.
QByteArray encode(const QString& path);

// The text form of a path's bytes; exact inverse of encode().
QString decode(const QByteArray& bytes);

// A readable form for people: each escaped byte shows as U+FFFD.
QString displayForm(const QString& path);

// Whether a folder is at the path (links followed), asked with the path's exact bytes.
bool isFolder(const QString& path);

// Whether anything is at the path (links followed).
bool exists(const QString& path);

// The path made absolute against the current folder's own bytes, then cleaned.
QString absolute(const QString& path);

} // namespace FilePathBytes
