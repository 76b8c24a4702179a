#include "platform/InstanceLock.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"

extern char** environ;

namespace {

constexpr const char* kName = "PelvaneDesignMultimediaControllerMutex";

// Exit code of a forked child that runs `body`; -1 when the child did not end normally.
template <typename Body>
int inChild(Body body) {
    const pid_t pid = fork();
    if (pid == 0) {
        _exit(body());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

class InstanceLockTest : public ::testing::Test {
protected:
    void SetUp() override { environment.set("XDG_RUNTIME_DIR", folder.path().string()); }

    TemporaryFolder folder{"instance-lock-test"};
    ScopedEnvironment environment;
};

TEST_F(InstanceLockTest, OneHolderAtATimeUntilReleased) {
    std::unique_ptr<InstanceLock> first = InstanceLock::acquire(kName);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->path(), folder.file(kName));

    // flock() locks belong to the open file, so a second open in this process is refused
    // just like another process.
    EXPECT_EQ(InstanceLock::acquire(kName), nullptr);
    EXPECT_EQ(inChild([] { return InstanceLock::acquire(kName) ? 0 : 1; }), 1);
    // Another name is another lock.
    EXPECT_NE(InstanceLock::acquire("PelvaneMultimediaControllerSoftwareApp"), nullptr);

    first.reset();
    EXPECT_TRUE(std::filesystem::exists(folder.file(kName)));
    EXPECT_EQ(inChild([] { return InstanceLock::acquire(kName) ? 0 : 1; }), 0);
    EXPECT_NE(InstanceLock::acquire(kName), nullptr);
}

TEST_F(InstanceLockTest, ProbeSeesAHolderWithoutKeepingTheLock) {
    EXPECT_FALSE(InstanceLock::isHeld(kName));
    EXPECT_FALSE(std::filesystem::exists(folder.file(kName)));

    std::unique_ptr<InstanceLock> held = InstanceLock::acquire(kName);
    ASSERT_NE(held, nullptr);
    EXPECT_TRUE(InstanceLock::isHeld(kName));
    EXPECT_EQ(inChild([] { return InstanceLock::isHeld(kName) ? 0 : 1; }), 0);

    held.reset();
    EXPECT_FALSE(InstanceLock::isHeld(kName));
    EXPECT_NE(InstanceLock::acquire(kName), nullptr);
}

// A program the holder starts must not carry the lock on after the holder lets it go.
TEST_F(InstanceLockTest, AStartedProgramDoesNotInheritTheLock) {
    std::unique_ptr<InstanceLock> held = InstanceLock::acquire(kName);
    ASSERT_NE(held, nullptr);

    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[0], STDIN_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    // Waits until the pipe closes, so the program outlives the release below.
    char arg0[] = "sh", arg1[] = "-c", arg2[] = "read line";
    char* argv[] = {arg0, arg1, arg2, nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, "/bin/sh", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[0]);
    ASSERT_EQ(spawned, 0);

    held.reset();
    EXPECT_FALSE(InstanceLock::isHeld(kName));
    EXPECT_NE(InstanceLock::acquire(kName), nullptr);

    close(pipeFds[1]);
    int status = 0;
    EXPECT_EQ(waitpid(child, &status, 0), child);
}

// Only a lock that someone holds counts as held elsewhere; every lock that cannot be made
// is told apart from it.
TEST_F(InstanceLockTest, ARefusalTellsAHeldLockFromOneThatCannotBeMade) {
    using Refusal = InstanceLock::Refusal;
    const std::unique_ptr<InstanceLock> held = InstanceLock::acquire(kName);
    ASSERT_NE(held, nullptr);
    Refusal refusal = Refusal::None;
    EXPECT_EQ(InstanceLock::acquire(kName, &refusal), nullptr);
    EXPECT_EQ(refusal, Refusal::HeldElsewhere);

    writeFileBytes(folder.file("file"), "");
    std::filesystem::create_directories(folder.file("taken") + "/" + kName);
    for (const std::string& runtime :
         {folder.file("missing"), folder.file("file"), folder.file("taken")}) {
        SCOPED_TRACE(runtime);
        environment.set("XDG_RUNTIME_DIR", runtime);
        refusal = Refusal::None;
        EXPECT_EQ(InstanceLock::acquire(kName, &refusal), nullptr);
        EXPECT_EQ(refusal, Refusal::Unusable);
        EXPECT_FALSE(InstanceLock::isHeld(kName));
    }

    environment.set("XDG_RUNTIME_DIR", folder.file("taken"));
    refusal = Refusal::Unusable;
    EXPECT_NE(InstanceLock::acquire("other", &refusal), nullptr);
    EXPECT_EQ(refusal, Refusal::None);
}

}  // namespace
