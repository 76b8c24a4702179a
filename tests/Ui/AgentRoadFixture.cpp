#include "tests/Ui/AgentRoadFixture.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <vector>

#include "shared/ipc/IPCMessage.h"
#include "shared/ipc/IPCResponseConnectedDevices.h"
#include "tests/shared/ipc/IPCTestSupport.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/FakeDeviceTree.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/XClient.h"

namespace {

constexpr uint32_t kVendor = 0x0F1E;
constexpr uint32_t kMaxProduct = 0x30;
// Xlib's event type of a key press.
constexpr int kKeyPress = 2;

QString describe(const SeenInput& seen) {
    return QStringLiteral("%1 %2 %3")
        .arg(seen.type == kKeyPress ? QStringLiteral("press") : QStringLiteral("release"))
        .arg(seen.detail, 0, 16)
        .arg(seen.state, 0, 16);
}

}  // namespace

AgentRoadFixture::AgentRoadFixture(const std::string& display)
    : tree_(std::make_unique<FakeDeviceTree>()),
      environment_(std::make_unique<ScopedEnvironment>()),
      client_(std::make_unique<XClient>(display)) {
    deviceAdded_ = tree_->addHidraw(0, kVendor, kMaxProduct, 1, "2");
    if (deviceAdded_) {
        environment_->set("WHIRLEN_SYSFS_ROOT", tree_->sysfsRoot());
        environment_->set("WHIRLEN_DEV_ROOT", tree_->devRoot());
        environment_->set("WHIRLEN_INPUT", "xtest");
    }
}

AgentRoadFixture::~AgentRoadFixture() {
    if (node_ >= 0) {
        ::close(node_);
    }
}

bool AgentRoadFixture::ready() const {
    return client_->ready() && deviceAdded_;
}

bool AgentRoadFixture::startAgent() {
    agent_ = std::make_unique<ChildProcess>();
    if (!agent_->start({WHIRLEN_AGENT_PROGRAM}) ||
        !waitUntil([this] { return agentAnswers(); }, std::chrono::seconds(60))) {
        return false;
    }
    node_ = ::open(tree_->nodePath(0).c_str(), O_WRONLY | O_CLOEXEC);
    return node_ >= 0;
}

bool AgentRoadFixture::agentAnswers() const {
    return ipctest::agentAnswersWith(1);
}

// One report at a time, its events taken before the next is written: the node is a FIFO,
// where reports written together would be read as one.
QStringList AgentRoadFixture::report(int pressed, int expected) {
    const std::array<uint8_t, 8> bytes{
        0, 0, 0, 0, static_cast<uint8_t>(pressed), static_cast<uint8_t>(pressed >> 8), 0, 0};
    QStringList seen;
    // The window under test sits on the same server: the application takes the keyboard
    // for the agent's keys and hands it back, so the window stays active for the next
    // case (a window that lost it would drop the keys typed into it).
    const unsigned long windowUnderTest = client_->focusedWindow();
    client_->takeFocus();
    if (::write(node_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size())) {
        for (const SeenInput& input : client_->take(static_cast<size_t>(expected))) {
            seen.append(describe(input));
        }
    }
    client_->giveFocusTo(windowUnderTest);
    return seen;
}
