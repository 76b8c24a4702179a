#include "shared/prefs/FileUtils.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iomanip>
#include <limits>
#include <memory>
#include <regex>
#include <sstream>
#include <system_error>

#include "shared/prefs/LogManager.h"

namespace {

// std::regex matches recursively, one stack frame per character; longer texts
// would overflow the stack (and no URL the system handles comes near this).
constexpr std::size_t kMaxUrlLength = 2048;
constexpr std::size_t kMd5ChunkSize = 16384;
constexpr std::size_t kMd5HexLength = 32;

using DigestContext = std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)>;

std::string upperHex(const unsigned char* bytes, unsigned int count) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(count * 2);
    for (unsigned int i = 0; i < count; ++i) {
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0x0F];
    }
    return text;
}

// Feeds the whole stream into the digest; false on a read error, so that a
// file cut short never yields the digest of what happened to be read.
bool digestStream(std::istream& in, EVP_MD_CTX* context, const std::function<bool()>& stop) {
    std::array<char, kMd5ChunkSize> buffer{};
    while (in) {
        if (stop && stop()) {
            return false;
        }
        in.read(buffer.data(), buffer.size());
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got > 0 && EVP_DigestUpdate(context, buffer.data(), got) != 1) {
            return false;
        }
    }
    return in.eof() && !in.bad();
}

}  // namespace

bool fileExists(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::optional<FileStamp> fileStamp(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    constexpr int64_t kNsPerSecond = 1000000000;
    return FileStamp{
        static_cast<uint64_t>(status.st_dev), static_cast<uint64_t>(status.st_ino),
        static_cast<int64_t>(status.st_size),
        static_cast<int64_t>(status.st_mtim.tv_sec) * kNsPerSecond + status.st_mtim.tv_nsec};
}

void copyFileIfMissing(const std::string& source, const std::string& target) {
    if (fileExists(target) || !fileExists(source)) {
        return;
    }
    std::error_code error;
    std::filesystem::copy_file(source, target, error);
    if (error) {
        LogManager::instance().log('W', "Cannot copy %s to %s: %s", source.c_str(), target.c_str(),
                                   error.message().c_str());
    }
}

void removeIfExists(const std::string& path) {
    if (!fileExists(path)) {
        return;
    }
    std::error_code error;
    std::filesystem::remove(path, error);
    if (error) {
        LogManager::instance().log('W', "Cannot remove %s: %s", path.c_str(),
                                   error.message().c_str());
    }
}

int32_t parseTime(const std::string& text, const std::string& format) {
    if (text.empty()) {
        return 0;
    }
    std::tm fields{};
    std::istringstream in(text);
    in >> std::get_time(&fields, format.c_str());
    if (in.fail()) {
        return 0;
    }
    const std::time_t seconds = std::mktime(&fields);
    if (seconds < std::numeric_limits<int32_t>::min() ||
        seconds > std::numeric_limits<int32_t>::max()) {
        return -1;
    }
    return static_cast<int32_t>(seconds);
}

bool isValidUrl(const std::string& text) {
    if (text.empty() || text.size() > kMaxUrlLength) {
        return false;
    }
    static const std::regex pattern(
        R"(^((http[s]?|ftp):\/)?\/?([^:\/\s]+)(\:[0-9]{0,5})?((\/\w+)*\/)([\w\-\.]+[^#?\s]+)(.*)?(#[\w\-]+)?$)");
    return std::regex_match(text, pattern);
}

bool isMd5Hex(const std::string& text) {
    // Spelled out rather than std::isxdigit, which follows the locale.
    return text.size() == kMd5HexLength && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
           });
}

std::string md5Hex(std::string_view bytes) {
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, EVP_md5(), nullptr) != 1) {
        return {};
    }
    return upperHex(digest.data(), length);
}

std::string fileMd5Hex(const std::string& path) {
    return fileMd5Hex(path, {});
}

std::string fileMd5Hex(const std::string& path, const std::function<bool()>& stop) {
    // Also keeps directories and pipes out: they would yield the digest of
    // nothing or block.
    if (!fileExists(path)) {
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    DigestContext context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!in.is_open() || !context || EVP_DigestInit_ex(context.get(), EVP_md5(), nullptr) != 1 ||
        !digestStream(in, context.get(), stop)) {
        return {};
    }
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(context.get(), digest.data(), &length) != 1) {
        return {};
    }
    return upperHex(digest.data(), length);
}

bool writeAll(int fd, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd, bytes + written, size - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Stream reads would report a folder or an I/O error as an empty file.
bool readWholeFile(const std::string& path, std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, n);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

bool readSmallRegularFile(const std::string& path, std::size_t maxSize, std::string& bytes) {
    bytes.clear();
    // Non-blocking, so that opening a FIFO without a writer returns at once.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat status {};
    const bool small = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
                       status.st_size >= 1 && static_cast<std::size_t>(status.st_size) <= maxSize;
    bool ok = small;
    if (small) {
        bytes.resize(maxSize);
        std::size_t got = 0;
        while (got < maxSize) {
            const ssize_t n = ::read(fd, bytes.data() + got, maxSize - got);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                ok = n == 0;
                break;
            }
            got += static_cast<std::size_t>(n);
        }
        bytes.resize(ok ? got : 0);
        ok = ok && got > 0;
    }
    ::close(fd);
    return ok;
}
