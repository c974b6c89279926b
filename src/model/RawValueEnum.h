#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <utility>

// A closed enumeration whose raw text is at once display text, stored form and equality key.
// Each enumeration specialises RawValues<E> with its cases in declaration order.
template <typename E> struct RawValues;

template <typename E> QString rawValue(E value)
{
    for (const auto& [item, text] : RawValues<E>::table)
        if (item == value)
            return QString::fromUtf8(text);
    return {};
}

// Exact, case-sensitive: an unknown text is no value, never a default.
template <typename E> std::optional<E> fromRawValue(QStringView text)
{
    for (const auto& [item, raw] : RawValues<E>::table)
        if (text == QLatin1StringView(raw))
            return item;
    return std::nullopt;
}

template <typename E> constexpr auto allCases()
{
    std::array<E, RawValues<E>::table.size()> cases{};
    for (std::size_t i = 0; i < cases.size(); ++i)
        cases[i] = RawValues<E>::table[i].first;
    return cases;
}

// Position in declaration order, the canonical order for lists of values.
template <typename E> constexpr int canonicalIndex(E value)
{
    for (std::size_t i = 0; i < RawValues<E>::table.size(); ++i)
        if (RawValues<E>::table[i].first == value)
            return int(i);
    return -1;
}
