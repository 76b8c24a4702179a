#pragma once

#include <string>

// A certificate authority made for one test by the openssl command, with two server
// certificates it signed: one for 127.0.0.1 and localhost, one for another name only.
struct TestCertificates {
    struct Pair {
        std::string certificate;
        std::string key;
    };

    // Writes the files into folder; throws when openssl fails.
    explicit TestCertificates(const std::string& folder);

    std::string caFile;
    Pair local;
    Pair otherName;
};
