#pragma once

#include "model/RawValueEnum.h"

enum class InstallStatus : quint8 { found, notFound };

template <> struct RawValues<InstallStatus> {
    static constexpr std::array<std::pair<InstallStatus, const char*>, 2> table{{{InstallStatus::found, "found"}, {InstallStatus::notFound, "notFound"}}};
};

inline size_t qHash(InstallStatus value, size_t seed = 0) noexcept { return qHash(quint8(value), seed); }
