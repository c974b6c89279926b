#pragma once

#include "model/RawValueEnum.h"

// What orders the cards within a section. The raw value doubles as the menu title.
enum class LibrarySortKey : quint8 { name, publisher, size, installDate, modificationDate };

template <> struct RawValues<LibrarySortKey> {
    static constexpr std::array<std::pair<LibrarySortKey, const char*>, 5> table{
        {{LibrarySortKey::name, "Name"},
         {LibrarySortKey::publisher, "Publisher"},
         {LibrarySortKey::size, "Size"},
         {LibrarySortKey::installDate, "Install Date"},
         {LibrarySortKey::modificationDate, "Modification Date"}}};
};
