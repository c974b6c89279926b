#pragma once

#include <QByteArray>

#include <array>

// Lists one folder with getdents64 into its own buffer, cheaply: no DIR allocation, the entry
// type comes from d_type and a stat is made only when the file system does not report it. Names
// beginning with "." are skipped, so hidden entries and everything inside them stay out of every walk.
class DirectoryReader {
public:
    enum class Kind { directory, regular, symlink, other };
    struct Entry {
        // Valid until the next call to next().
        const char* name = nullptr;
        Kind kind = Kind::other;
    };

    // A symbolic link at `path` is followed only when `followLink` is set (the root of a walk);
    // links met inside a walk are never entered.
    explicit DirectoryReader(const QByteArray& path, bool followLink = false);
    // The folder `name` inside the open folder `parentFd`, without following a link: a walk
    // that already holds the parent saves the kernel resolving the whole path again.
    DirectoryReader(int parentFd, const char* name);
    ~DirectoryReader();
    DirectoryReader(const DirectoryReader&) = delete;
    DirectoryReader& operator=(const DirectoryReader&) = delete;

    [[nodiscard]] bool isOpen() const { return m_fd >= 0; }
    // errno of the failed open, 0 when open.
    [[nodiscard]] int error() const { return m_error; }
    [[nodiscard]] int fd() const { return m_fd; }
    // The next visible entry; false at the end or on a read error.
    [[nodiscard]] bool next(Entry& entry);

    // `parent` + "/" + `name` without doubling the separator after "/".
    static QByteArray childPath(const QByteArray& parent, const char* name);

private:
    void open(int parentFd, const char* path, bool followLink);

    int m_fd = -1;
    int m_error = 0;
    int m_offset = 0;
    int m_filled = 0;
    // Room for a typical plug-in folder in one read; bigger folders take several.
    alignas(8) std::array<char, 8192> m_buffer;
};
