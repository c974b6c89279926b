#pragma once

#include <QString>

#include <utility>

// The outcome of a store operation: success, or a failure whose description a user can read.
class StoreResult {
public:
    static StoreResult success() { return StoreResult(true, {}); }
    static StoreResult failure(QString description) { return StoreResult(false, std::move(description)); }

    [[nodiscard]] bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    [[nodiscard]] const QString& errorDescription() const { return m_errorDescription; }

private:
    StoreResult(bool ok, QString description) : m_ok(ok), m_errorDescription(std::move(description)) {}

    bool m_ok;
    QString m_errorDescription;
};
