#pragma once

#include <map>
#include <optional>
#include <string>

// Sets or unsets environment variables for one test and puts every variable it
// touched back as it was when the object goes away.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    void set(const std::string& name, const std::string& value);
    void unset(const std::string& name);
    // Sets the variable to `value`, or unsets it when there is none.
    void setOrUnset(const std::string& name, const std::optional<std::string>& value);

private:
    void remember(const std::string& name);

    std::map<std::string, std::optional<std::string>> saved_;
};
