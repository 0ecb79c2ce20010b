#pragma once

#include <QString>

#include <utility>
#include <variant>

// A failure as the user is told of it: a number and a sentence. Database failures carry the
// SQLite extended result code; other failures carry one of the project codes below.
struct Error {
    int number = 0;
    QString description;
};

// Project error numbers (kept clear of SQLite's result codes, which stay below 0x10000).
enum ProjectError : int {
    kErrDatabaseFile = 100001,   // the database file is missing, not a file or not writable
    kErrSchema = 100002,         // a table or view of the schema is missing
    kErrConversion = 100003,     // a value does not fit its column
    kErrRecordset = 100004,      // a record-set operation without a current row or on a closed set
    kErrFile = 100005,           // a file could not be read or written
    kErrFormat = 100006,         // a file's contents are damaged or of another kind
    kErrCalculation = 100007,    // a calculation produced a value that cannot be stored
    kErrNotSaved = 100008,       // the open analysis has never been saved
    kErrRowGone = 100009,        // a row that a window shows is no longer in its table
    kErrRowChanged = 100010,     // a stored row was changed or deleted by another program since it was read
    kErrNameTaken = 100011,      // another stored analysis has the name
};

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_v(std::move(value)) {}
    Result(Error error) : m_v(std::move(error)) {}

    bool ok() const { return m_v.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(m_v); }
    const T& value() const& { return std::get<0>(m_v); }
    T&& value() && { return std::get<0>(std::move(m_v)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T&& operator*() && { return std::move(*this).value(); }

    const Error& error() const { return std::get<1>(m_v); }

private:
    std::variant<T, Error> m_v;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : m_failed(true), m_error(std::move(error)) {}

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return m_error; }

private:
    bool m_failed = false;
    Error m_error;
};

using Status = Result<void>;
