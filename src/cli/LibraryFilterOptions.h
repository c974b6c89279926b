#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

class FilterState;

// The filter options that `list` and `export` share: what the library's search field, filter
// panel and "Group by" menu choose.
class LibraryFilterOptions {
public:
    LibraryFilterOptions();

    void addTo(QCommandLineParser& parser) const;
    // The synopsis fragment for the usage line.
    [[nodiscard]] static QString synopsis();
    // Sets filter from the parsed options. A value that names nothing leaves filter as it may be
    // and returns the message for a usage error; an empty text means success.
    [[nodiscard]] QString apply(const QCommandLineParser& parser, FilterState& filter) const;

private:
    QCommandLineOption m_search;
    QCommandLineOption m_format;
    QCommandLineOption m_arch;
    QCommandLineOption m_platform;
    QCommandLineOption m_favorites;
    QCommandLineOption m_tag;
    QCommandLineOption m_installedFrom;
    QCommandLineOption m_installedTo;
    QCommandLineOption m_groupBy;
};
