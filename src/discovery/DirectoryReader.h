#pragma once

#include <QByteArray>

#include <dirent.h>

// Lists one folder with readdir, cheaply: the entry type comes from d_type and a stat is made
// only when the file system does not report it. Names beginning with "." are skipped, so
// hidden entries and everything inside them stay out of every walk.
class DirectoryReader {
public:
    enum class Kind { directory, regular, symlink, other };
    struct Entry {
        const char* name = nullptr;
        Kind kind = Kind::other;
    };

    // A symbolic link at `path` is followed only when `followLink` is set (the root of a walk);
    // links met inside a walk are never entered.
    explicit DirectoryReader(const QByteArray& path, bool followLink = false);
    ~DirectoryReader();
    DirectoryReader(const DirectoryReader&) = delete;
    DirectoryReader& operator=(const DirectoryReader&) = delete;

    [[nodiscard]] bool isOpen() const { return m_dir != nullptr; }
    // errno of the failed open, 0 when open.
    [[nodiscard]] int error() const { return m_error; }
    [[nodiscard]] int fd() const;
    // The next visible entry; false at the end or on a read error.
    [[nodiscard]] bool next(Entry& entry);

    // `parent` + "/" + `name` without doubling the separator after "/".
    static QByteArray childPath(const QByteArray& parent, const char* name);

private:
    DIR* m_dir = nullptr;
    int m_error = 0;
};
