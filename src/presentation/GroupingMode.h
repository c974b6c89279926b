#pragma once

#include "model/RawValueEnum.h"

// How the library list is cut into sections. The raw value doubles as the menu title.
enum class GroupingMode : quint8 { alphabetical, byPublisher, byFormat, byArchitecture, byType };

template <> struct RawValues<GroupingMode> {
    static constexpr std::array<std::pair<GroupingMode, const char*>, 5> table{
        {{GroupingMode::alphabetical, "Name"},
         {GroupingMode::byPublisher, "Publisher"},
         {GroupingMode::byFormat, "Format"},
         {GroupingMode::byArchitecture, "Architecture"},
         {GroupingMode::byType, "Type"}}};
};

inline size_t qHash(GroupingMode value, size_t seed = 0) noexcept { return qHash(quint8(value), seed); }
