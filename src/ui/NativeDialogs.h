#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// Whether the desktop offers its own file choosers. Qt uses them through a platform theme
// plug-in (the desktop portal, GTK, Plasma); without one its fallback chooser highlights a
// sub-folder the user never picked and, in the dark, draws its path bar white under white folder
// names (it takes that colour before it joins the window), so the window then uses its own
// in-window choosers, of folders and of the file an export writes.
class NativeDialogs : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool available READ available CONSTANT)

public:
    explicit NativeDialogs(QObject* parent = nullptr);

    [[nodiscard]] bool available() const { return m_available; }

private:
    bool m_available;
};
