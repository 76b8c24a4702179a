#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// True when the path names an existing regular file (links are followed);
// false for "", directories, missing paths and paths whose status cannot be read.
bool fileExists(const std::string& path);

// What tells one state of a file from another: which file it is, its size and its last change.
// A file replaced by another one (as an atomic write replaces it) has another stamp.
struct FileStamp {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedNs = 0;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of what stands at path (links are followed); none when nothing does.
std::optional<FileStamp> fileStamp(const std::string& path);

// Copies source to target unless the target already is a regular file or the
// source is not one. A failed copy is logged; the caller goes on either way.
void copyFileIfMissing(const std::string& source, const std::string& target);

// Removes the path when fileExists() holds for it; a failed removal is logged.
void removeIfExists(const std::string& path);

// The text read with a strftime-style format as standard (not daylight-saving)
// local time, in seconds since 1970. 0 when the text is empty or does not
// parse; -1 when the time cannot be represented in 32 bits.
int32_t parseTime(const std::string& text, const std::string& format);

// Whether the text looks like a URL with at least one "/" after the host.
// Texts over 2,048 characters are refused without matching.
bool isValidUrl(const std::string& text);

// Writes all size bytes to the descriptor, going on after interruptions and
// short writes; false (errno tells why) once a write fails or writes nothing.
bool writeAll(int fd, const void* data, std::size_t size);

// Appends the file's bytes to text; false when it cannot be opened or read
// (a folder included).
bool readWholeFile(const std::string& path, std::string& text);

// Reads the file when it is a regular file of 1 to maxSize bytes, and nothing else: a FIFO, a
// device or a folder at path is refused without blocking, a larger file before any byte is
// read, and at most maxSize bytes are read whatever the file does meanwhile. False when refused
// or unreadable; bytes is left empty then.
bool readSmallRegularFile(const std::string& path, std::size_t maxSize, std::string& bytes);

// Whether the text could be an MD5 as fileMd5Hex gives it: 32 hex digits, in
// either case. Such a text names no other file ("../x") when used as a file name.
bool isMd5Hex(const std::string& text);

// The MD5 of the bytes as 32 upper-case hex digits, as fileMd5Hex gives it for
// a file holding them; "" when the digest cannot be computed.
std::string md5Hex(std::string_view bytes);

// The MD5 of the file's bytes as 32 upper-case hex digits; "" when the path is
// empty, is not a regular file, or cannot be opened or read to its end.
std::string fileMd5Hex(const std::string& path);
// The same, asking stop between chunks: "" once it says so.
std::string fileMd5Hex(const std::string& path, const std::function<bool()>& stop);
