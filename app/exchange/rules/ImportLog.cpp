#include "app/exchange/rules/ImportLog.h"

#include "common/ServerError.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace qel::exchange {
namespace {

[[noreturn]] void failed(const std::string& path, const std::string& what) {
    throw ServerError(kErrInvalidArgument, "ImportLog", "The import log '" + path + "' " + what,
                      ErrorKind::Io);
}

} // namespace

std::string importLogName(const Moment& when) {
    return "ImportLog-" + std::to_string(when.date.month()) + "-" + std::to_string(when.date.day()) + "-" +
           std::to_string(when.date.year()) + "-" + std::to_string(when.hour) + "-" +
           std::to_string(when.minute) + "-" + std::to_string(when.second) + ".txt";
}

std::string generalDateTime(const Moment& when) {
    const int hour12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
    char time[32];
    std::snprintf(time, sizeof time, "%d:%02d:%02d %s", hour12, when.minute, when.second,
                  when.hour < 12 ? "AM" : "PM");
    return std::to_string(when.date.month()) + "/" + std::to_string(when.date.day()) + "/" +
           std::to_string(when.date.year()) + " " + time;
}

ImportLog::ImportLog(const std::string& folder, const Moment& when)
    : path_((std::filesystem::path(folder) / importLogName(when)).string()) {
    // The logs' folder is made when it is missing (a failure shows as the file's).
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    out_.open(path_, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!out_)
        failed(path_, "cannot be created.");
    writeLine(generalDateTime(when));
}

void ImportLog::writeLine(const std::string& line) {
    out_ << line << '\n';
    out_.flush();
    if (!out_)
        failed(path_, "cannot be written.");
}

void ImportLog::close() {
    if (out_.is_open())
        out_.close();
}

void ImportLog::remove() {
    close();
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

} // namespace qel::exchange
