#include "platform/RecordingInjector.h"

#include <chrono>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

TEST(RecordingInjectorTest, KeepsBatchesWholeAndInOrder) {
    RecordingInjector injector;
    const InputEvent chord[] = {InputEvent::keyDown(0xA2), InputEvent::keyDown(0x41)};
    const InputEvent wheel[] = {InputEvent::wheel(-150)};

    EXPECT_TRUE(injector.send(chord));
    EXPECT_TRUE(injector.send(wheel));
    EXPECT_FALSE(injector.send({}));

    using Batch = RecordingInjector::Batch;
    EXPECT_EQ(injector.batches(), (std::vector<Batch>{Batch(std::begin(chord), std::end(chord)),
                                                      Batch(std::begin(wheel), std::end(wheel))}));
    EXPECT_EQ(injector.events().size(), 3u);
    EXPECT_EQ(injector.sendCount(), 2u);
}

TEST(RecordingInjectorTest, RefusedBatchesAreCountedButNotKept) {
    RecordingInjector injector;
    const InputEvent key[] = {InputEvent::keyDown(0x41)};

    injector.setAccepting(false);
    EXPECT_FALSE(injector.send(key));
    injector.setAccepting(true);
    EXPECT_TRUE(injector.send(key));

    EXPECT_EQ(injector.batches().size(), 1u);
    EXPECT_EQ(injector.sendCount(), 2u);
}

TEST(RecordingInjectorTest, WaitsForBatchesSentByOtherThreads) {
    RecordingInjector injector;
    constexpr int kThreads = 4;
    constexpr int kBatchesPerThread = 25;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&injector] {
            const InputEvent click[] = {InputEvent::buttonDown(MouseButton::Left),
                                        InputEvent::buttonUp(MouseButton::Left)};
            for (int i = 0; i < kBatchesPerThread; ++i) {
                injector.send(click);
            }
        });
    }

    EXPECT_TRUE(injector.waitForBatches(kThreads * kBatchesPerThread, 10s));
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_FALSE(injector.waitForBatches(kThreads * kBatchesPerThread + 1, 1ms));
    injector.clear();
    EXPECT_TRUE(injector.batches().empty());
}

}  // namespace
