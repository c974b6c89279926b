#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

class QJSEngine;
class QQmlEngine;

// The system clipboard's text, for the views' "Copy" actions.
class ClipboardText : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit ClipboardText(QObject* parent = nullptr);

    static ClipboardText* create(QQmlEngine* engine, QJSEngine* scriptEngine);

    // A path goes on in its readable form (FilePathBytes::displayForm).
    Q_INVOKABLE static void copyPath(const QString& path);
    [[nodiscard]] Q_INVOKABLE static QString text();
};
