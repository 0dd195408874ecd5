// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <utility>

namespace yomiwa {

// What went wrong, as far as some caller acts differently on it. The message says the rest.
enum class ErrorKind {
    CannotRead,  // a file that cannot be opened or read: missing, not a regular file, I/O
    TooLarge,    // a file too large to read or to search
    BadContent,  // a file or a JSON text that is not what its format holds
    HeaderOnly,  // a collection file whose header reads but whose line 5 does not open 序
    DoesNotFit,  // a comments file that does not belong to the collection as it is
    Refused,     // what was given cannot be stored as it is: a text, a file name
    CannotWrite, // a write that failed; what was on the disk is as it was
    Cancelled,   // a long write the user stopped; what was on the disk is as it was
    Usage,       // yomiwa-tool's arguments or input are not what it takes
};

// How everything that can fail for a reason the user should read reports it: either the
// value, or the kind of the failure and the message for the user (naming the file where
// there is one), built where the failure is found. A caller shows error() as it is, or puts
// its own first line before it; nothing is thrown. Result<void> (Status) is the form for what
// gives nothing back, such as a write.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value)
        : m_value(std::move(value)) {}
    static Result Failure(ErrorKind kind, QString message) {
        return Result(kind, std::move(message));
    }
    // Passes another result's failure on as it is.
    template <typename U> static Result Failure(const Result<U>& failed) {
        return Failure(failed.kind(), failed.error());
    }

    bool ok() const { return m_value.has_value(); }
    const T& value() const& {
        Q_ASSERT(ok());
        return *m_value;
    }
    T& value() & {
        Q_ASSERT(ok());
        return *m_value;
    }
    T&& value() && {
        Q_ASSERT(ok());
        return std::move(*m_value);
    }
    ErrorKind kind() const {
        Q_ASSERT(!ok());
        return m_kind;
    }
    // The message for the user; empty when ok().
    const QString& error() const { return m_error; }

private:
    Result(ErrorKind kind, QString message)
        : m_kind(kind)
        , m_error(std::move(message)) {
        Q_ASSERT(!m_error.isEmpty());
    }

    std::optional<T> m_value;
    ErrorKind m_kind = ErrorKind::CannotRead;
    QString m_error;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    static Result Failure(ErrorKind kind, QString message) {
        Q_ASSERT(!message.isEmpty());
        Result result;
        result.m_failed = true;
        result.m_kind = kind;
        result.m_error = std::move(message);
        return result;
    }
    template <typename U> static Result Failure(const Result<U>& failed) {
        return Failure(failed.kind(), failed.error());
    }

    bool ok() const { return !m_failed; }
    ErrorKind kind() const {
        Q_ASSERT(!ok());
        return m_kind;
    }
    const QString& error() const { return m_error; }

private:
    bool m_failed = false;
    ErrorKind m_kind = ErrorKind::CannotRead;
    QString m_error;
};

using Status = Result<void>;

} // namespace yomiwa
