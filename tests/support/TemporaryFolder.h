#pragma once

#include <filesystem>
#include <string>

// A fresh, empty folder under the temporary directory for one test, removed
// with everything in it when the object goes away.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const std::string& prefix = "whirlen-test");
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of name inside the folder, as text.
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};
