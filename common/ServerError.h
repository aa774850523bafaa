// ServerError: how a failure leaves a library operation.
//
// `number` is the number the callers test. A failure that passes through the data server's
// classes arrives as kPassedThrough (-2147352571); `description` always carries the real cause
// in words (SQLite's message for a failed statement; never the statement's text, which quotes
// the user's values, since the program shows the description), and `kind` tells a duplicate key
// from any other failure.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace qel {

enum class ErrorKind {
    NotConnected,
    Constraint,
    Sql,
    Conversion,
    Io,
    InvalidArgument,
    NotAvailable,
};

// The number every failure carries once a server class has passed it on to its caller.
inline constexpr std::int32_t kPassedThrough = -2147352571;
// The type-mismatch number of a failed conversion of a value.
inline constexpr std::int32_t kTypeMismatch = 13;
// The overflow number of a whole number that does not fit its type.
inline constexpr std::int32_t kErrOverflow = 6;
// The number of a Null where a value is needed ("Invalid use of Null").
inline constexpr std::int32_t kErrInvalidUseOfNull = 94;
// Generic numbers for the underlying failures, before they pass through a class.
inline constexpr std::int32_t kErrDatabase = -2147467259;
inline constexpr std::int32_t kErrInvalidArgument = 5;
inline constexpr std::int32_t kErrNotAvailable = 445;

class ServerError : public std::runtime_error {
public:
    ServerError(std::int32_t number, std::string source, std::string description, ErrorKind kind,
                std::string helpFile = {}, std::string helpContext = {});

    std::int32_t number() const { return number_; }
    const std::string& source() const { return source_; }
    const std::string& description() const { return description_; }
    const std::string& helpFile() const { return helpFile_; }
    const std::string& helpContext() const { return helpContext_; }
    ErrorKind kind() const { return kind_; }

    // The same failure as the data server's classes pass it on: number kPassedThrough, the
    // class and operation names as help file and context, cause and kind kept.
    ServerError passedOn(std::string className, std::string operation) const;

    // A failure raised by the library itself (bad argument, missing data and the like).
    static ServerError invalidArgument(std::string source, std::string description);
    static ServerError notAvailable(std::string source, std::string operation);

private:
    std::int32_t number_;
    std::string source_;
    std::string description_;
    std::string helpFile_;
    std::string helpContext_;
    ErrorKind kind_;
};

// A failure as the program tells of it: a ServerError's number, source and description; any other
// exception's text, with number 0 and no source. The one place an exception becomes a number and
// a text: the error boxes and the traps of the program all read it.
struct CaughtFailure {
    std::int32_t number = 0; // 0 for a failure that is no ServerError
    std::string source;
    std::string description;
};

// The exception being handled as a CaughtFailure ("Unknown failure" for one that is no std::exception).
// Call it only inside a catch block.
CaughtFailure currentFailure();

// Runs body; any ServerError leaving it is passed on as the named class's operation would
// pass it (see ServerError::passedOn). Other exceptions become SQL-kind errors with their text.
template <typename Body>
auto passOn(const char* className, const char* operation, Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (const ServerError& e) {
        throw e.passedOn(className, operation);
    } catch (const std::exception& e) {
        throw ServerError(kErrDatabase, className, e.what(), ErrorKind::Sql).passedOn(className, operation);
    }
}

} // namespace qel
