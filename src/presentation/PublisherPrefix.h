#pragma once

#include <QString>
#include <QStringList>

// The ways one maker's name shows up as the first word of a plug-in name ("NI Massive X",
// "FabFilter-Pro-Q"), worked out once per publisher and applied to many names.
class PublisherPrefix {
public:
    explicit PublisherPrefix(const QString& publisher);

    // The name without a leading maker word, the remaining words joined with single blanks; the
    // name unchanged when it has one word, starts otherwise, or is the publisher's own name.
    [[nodiscard]] QString strip(const QString& name) const;

    // All words joined, the first word, the initials, first + last word, first initial + last
    // word; lower-case letters and digits only, distinct, none empty.
    [[nodiscard]] const QStringList& keys() const { return m_keys; }

private:
    [[nodiscard]] bool mayBeKey(QStringView piece) const;

    // At most five short keys: a list is quicker to build and search than a set.
    QStringList m_keys;
    QString m_keyStarts;
    QString m_publisherAsName;
};
