#include "ui/ClipboardText.h"

#include "model/FilePathBytes.h"

#include <QClipboard>
#include <QGuiApplication>

ClipboardText::ClipboardText(QObject* parent) : QObject(parent) {}

ClipboardText* ClipboardText::create(QQmlEngine*, QJSEngine*)
{
    return new ClipboardText;
}

void ClipboardText::copyPath(const QString& path)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(FilePathBytes::displayForm(path));
}

QString ClipboardText::text()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text() : QString();
}
