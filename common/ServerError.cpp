// ServerError construction and the pass-on rule of the data server's classes.
#include "common/ServerError.h"

namespace qel {

ServerError::ServerError(std::int32_t number, std::string source, std::string description, ErrorKind kind,
                         std::string helpFile, std::string helpContext)
    : std::runtime_error(description), number_(number), source_(std::move(source)),
      description_(std::move(description)), helpFile_(std::move(helpFile)),
      helpContext_(std::move(helpContext)), kind_(kind) {}

ServerError ServerError::passedOn(std::string className, std::string operation) const {
    return ServerError(kPassedThrough, source_, description_, kind_, std::move(className),
                       std::move(operation));
}

ServerError ServerError::invalidArgument(std::string source, std::string description) {
    return ServerError(kErrInvalidArgument, std::move(source), std::move(description),
                       ErrorKind::InvalidArgument);
}

CaughtFailure currentFailure() {
    try {
        throw;
    } catch (const ServerError& e) {
        return {e.number(), e.source(), e.description()};
    } catch (const std::exception& e) {
        return {0, {}, e.what()};
    } catch (...) {
        return {0, {}, "Unknown failure"};
    }
}

ServerError ServerError::notAvailable(std::string source, std::string operation) {
    return ServerError(kErrNotAvailable, source, operation + " is not available in this version.",
                       ErrorKind::NotAvailable);
}

} // namespace qel
