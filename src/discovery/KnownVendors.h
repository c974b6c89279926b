#pragma once

#include <QString>

#include <array>
#include <optional>
#include <span>

// Vendors recognised from the second label of a reverse-domain bundle identifier.
namespace KnownVendors {

struct Vendor {
    const char* displayName;
    std::array<const char*, 3> labels; // lower case; unused slots are null
};

[[nodiscard]] std::span<const Vendor> table();

// Exact match of the lower-cased label.
[[nodiscard]] std::optional<QString> displayName(const QString& label);

} // namespace KnownVendors
