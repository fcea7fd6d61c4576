// The session's signals reach the callback on the waiter's thread, and
// stopping the waiter wakes it with one of its own signals: that wake-up
// is never taken for a signal from outside nor left to kill the program.

#include "platform/session_signals.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

bool Eventually(const std::atomic<int>& value, int expected) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (value.load() != expected && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return value.load() == expected;
}

TEST(SessionSignals, ASignalOfTheSetReachesTheCallback) {
  platform::BlockSessionSignals({SIGUSR1});  // as main() does first
  std::atomic<int> received{0};
  platform::SessionSignals signals;
  signals.Start({SIGUSR1}, [&](int signal) { received = signal; });
  kill(getpid(), SIGUSR1);
  EXPECT_TRUE(Eventually(received, SIGUSR1));
  signals.Stop();
}

TEST(SessionSignals, StoppingWakesTheWaiterWithoutCallingBackEvenWhenTheCallerNeverBlockedTheSet) {
  std::atomic<int> received{0};
  for (int round = 0; round < 20; ++round) {  // a stop before and while the waiter waits
    platform::SessionSignals signals;
    signals.Start({SIGUSR2}, [&](int signal) { received = signal; });
    if (round % 2) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    signals.Stop();
  }
  EXPECT_EQ(received.load(), 0);
  sigset_t mask;
  pthread_sigmask(SIG_SETMASK, nullptr, &mask);
  EXPECT_FALSE(sigismember(&mask, SIGUSR2)) << "the caller's signal mask was changed";
}

}  // namespace
