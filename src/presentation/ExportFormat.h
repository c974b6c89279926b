#pragma once

#include "model/RawValueEnum.h"

// The forms the library list can be exported in; the raw value names the form.
enum class ExportFormat : quint8 { csv, text, markdown, pdf, json };

template <> struct RawValues<ExportFormat> {
    static constexpr std::array<std::pair<ExportFormat, const char*>, 5> table{
        {{ExportFormat::csv, "csv"}, {ExportFormat::text, "text"}, {ExportFormat::markdown, "markdown"},
         {ExportFormat::pdf, "pdf"}, {ExportFormat::json, "json"}}};
};

inline size_t qHash(ExportFormat value, size_t seed = 0) noexcept { return qHash(quint8(value), seed); }
