#pragma once

#include <string>

// What became of writing one of the preference files: it held, or which file failed and why.
class SaveResult {
public:
    // Why a save failed, in the terms the window words it in.
    enum class Cause {
        // Anything else: the system's own words tell it.
        Other = 0,
        // No room is left for the file: a full disk, a quota, a size limit.
        NoRoom,
        // The file system is mounted read-only.
        ReadOnly,
        // The user may not write there.
        NotPermitted,
        // A file or folder stands where the file, or a folder on its path, should be.
        InTheWay,
        // A folder on the file's path is missing.
        FolderMissing,
    };

    // A save that held.
    SaveResult() = default;
    // The save of file that failed with the errno error (any error other than 0).
    static SaveResult failed(std::string file, int error);

    bool held() const { return error_ == 0; }
    // The file that failed; empty when the save held.
    const std::string& file() const { return file_; }
    int error() const { return error_; }
    // The system's words for the error.
    std::string reason() const;
    Cause cause() const;

private:
    std::string file_;
    int error_ = 0;
};
