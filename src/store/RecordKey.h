#pragma once

#include <QHashFunctions>
#include <QString>

// Identity of a plug-in product: the normalised name and publisher key.
struct RecordKey {
    QString name;
    QString publisher;

    bool operator==(const RecordKey&) const = default;
};

inline size_t qHash(const RecordKey& key, size_t seed = 0) noexcept
{
    return qHashMulti(seed, key.name, key.publisher);
}
