#pragma once

#include "model/RawValueEnum.h"

enum class ContentLibraryStatus : quint8 { found, notFound };

template <> struct RawValues<ContentLibraryStatus> {
    static constexpr std::array<std::pair<ContentLibraryStatus, const char*>, 2> table{{{ContentLibraryStatus::found, "found"}, {ContentLibraryStatus::notFound, "notFound"}}};
};

inline size_t qHash(ContentLibraryStatus value, size_t seed = 0) noexcept { return qHash(quint8(value), seed); }
