// EnvironmentValue: an environment variable set to another value, or unset, for the life of the
// object; the value it had comes back when the object goes.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace qel::test {

class EnvironmentValue {
public:
    // value nullptr: the variable is unset.
    EnvironmentValue(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~EnvironmentValue() {
        if (old_)
            setenv(name_.c_str(), old_->c_str(), 1);
        else
            unsetenv(name_.c_str());
    }
    EnvironmentValue(const EnvironmentValue&) = delete;
    EnvironmentValue& operator=(const EnvironmentValue&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

} // namespace qel::test
