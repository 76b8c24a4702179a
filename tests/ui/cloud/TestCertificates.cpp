#include "tests/ui/cloud/TestCertificates.h"

#include <stdexcept>

#include "platform/ProcessLauncher.h"
#include "tests/support/TestFiles.h"

namespace {

constexpr const char* kNewKey = "-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes";

void run(const std::string& commandLine) {
    const ProcessLauncher::CommandResult result = ProcessLauncher::runHiddenCommand(commandLine);
    if (!result.finished || result.exitStatus != 0) {
        throw std::runtime_error("openssl failed: " + commandLine + "\n" + result.output);
    }
}

TestCertificates::Pair signedServer(const std::string& folder, const std::string& name,
                                    const std::string& altNames, const std::string& caFile) {
    const std::string base = folder + "/" + name;
    writeFileBytes(base + ".ext", "subjectAltName=" + altNames + "\n");
    run(std::string("openssl req -new ") + kNewKey + " -keyout " + base + ".key -out " + base +
        ".csr -subj /CN=" + name);
    run("openssl x509 -req -in " + base + ".csr -CA " + caFile + " -CAkey " + folder +
        "/ca.key -CAcreateserial -days 2 -out " + base + ".pem -extfile " + base + ".ext");
    return {base + ".pem", base + ".key"};
}

}  // namespace

TestCertificates::TestCertificates(const std::string& folder) : caFile(folder + "/ca.pem") {
    run(std::string("openssl req -x509 ") + kNewKey + " -keyout " + folder + "/ca.key -out " +
        caFile + " -days 2 -subj '/CN=Whirlen Test CA'");
    local = signedServer(folder, "localhost", "IP:127.0.0.1,DNS:localhost", caFile);
    otherName = signedServer(folder, "other.example", "DNS:other.example", caFile);
}
