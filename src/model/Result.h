#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace yomiwa {

// How everything that can fail for a reason the user should read reports it: either the
// value, or the message for the user (naming the file where there is one), built where the
// failure is found. A caller shows error() as it is, or puts its own first line before it;
// nothing is thrown. Result<void> (Status) is the form for what gives nothing back, such as
// a write. Two readers say more than value-or-message and keep a result of their own, with
// the message in the same way: ReadKushuFile (after a fault of line 5, the header read so
// far, which the reading window still shows) and ReadKansoFile (no comments file yet, or one
// that does not fit the collection, which the window treats differently).
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value)
        : m_value(std::move(value)) {}
    static Result Failure(QString message) { return Result(std::move(message), Tag()); }

    bool ok() const { return m_value.has_value(); }
    // Only when ok().
    const T& value() const& { return *m_value; }
    T& value() & { return *m_value; }
    T&& value() && { return std::move(*m_value); }
    // The message for the user; empty when ok().
    const QString& error() const { return m_error; }

private:
    struct Tag {};
    Result(QString message, Tag)
        : m_error(std::move(message)) {}

    std::optional<T> m_value;
    QString m_error;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    static Result Failure(QString message) {
        Result result;
        result.m_error = std::move(message);
        return result;
    }

    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }

private:
    QString m_error;
};

using Status = Result<void>;

} // namespace yomiwa
