#include "tests/support/ScopedEnvironment.h"

#include <stdlib.h>

ScopedEnvironment::~ScopedEnvironment() {
    for (const auto& [name, value] : saved_) {
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }
}

void ScopedEnvironment::set(const std::string& name, const std::string& value) {
    remember(name);
    ::setenv(name.c_str(), value.c_str(), 1);
}

void ScopedEnvironment::unset(const std::string& name) {
    remember(name);
    ::unsetenv(name.c_str());
}

void ScopedEnvironment::setOrUnset(const std::string& name,
                                   const std::optional<std::string>& value) {
    if (value) {
        set(name, *value);
    } else {
        unset(name);
    }
}

void ScopedEnvironment::remember(const std::string& name) {
    if (saved_.count(name) == 0) {
        const char* value = ::getenv(name.c_str());
        saved_[name] = value ? std::optional<std::string>(value) : std::nullopt;
    }
}
