#pragma once

// Cold runs: the kernel's page cache, dentries and inodes dropped, so every folder read goes to
// the disk. Only root may do it.

#include <unistd.h>

#include <cstdio>

namespace PageCache {

// False (and the caches left alone) when this process may not drop them.
inline bool drop()
{
    if (::geteuid() != 0)
        return false;
    ::sync();
    std::FILE* control = std::fopen("/proc/sys/vm/drop_caches", "w");
    if (!control)
        return false;
    const bool written = std::fputs("3\n", control) >= 0;
    return std::fclose(control) == 0 && written;
}

inline constexpr const char* skipMessage = "cold runs skipped: dropping the page cache needs root";

} // namespace PageCache
