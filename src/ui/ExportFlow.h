#pragma once

#include "presentation/ExportFormat.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <optional>

class LibraryViewModel;

// One export of the visible list: begin() builds the text before the save dialog opens (the PDF
// when the user confirms), finish() writes it where the user chose. A failed write plays the
// alert sound, prints its line and reports failed(); a cancelled dialog does nothing.
class ExportFlow : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The library controller owns the export.")

public:
    explicit ExportFlow(const LibraryViewModel& viewModel, QObject* parent = nullptr);

    // `format` is "csv", "text", "markdown", "pdf" or "json"; returns the suggested file name ("" for an
    // unknown format, which prepares nothing).
    Q_INVOKABLE QString begin(const QString& format);
    // Where the save dialog starts: the suggested name in the user's documents folder.
    [[nodiscard]] Q_INVOKABLE static QUrl suggestedFileUrl(const QString& fileName);
    // The save dialog's file type for a format, as a name filter.
    [[nodiscard]] Q_INVOKABLE static QStringList nameFilters(const QString& format);
    // An empty or non-local url is a cancelled dialog. True when a file was written.
    Q_INVOKABLE bool finish(const QUrl& url);
    Q_INVOKABLE void cancel();

Q_SIGNALS:
    // "Export failed: " and the reason.
    void failed(const QString& message);
    void written(const QString& path);

private:
    const LibraryViewModel& m_viewModel;
    std::optional<ExportFormat> m_format;
    QString m_text;
};
