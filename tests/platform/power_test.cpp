// The logind power service as the program meets it over D-Bus: a bus of
// the test's own (dbus-daemon) with a stand-in for logind that records the
// calls and hands out an inhibitor descriptor as logind does.

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QThread>
#include <chrono>
#include <mutex>
#include <thread>

#include "platform/power.h"
#include "tools/child_process.h"

namespace {

using namespace std::chrono_literals;

constexpr const char* kDaemon = "/usr/bin/dbus-daemon";

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "power_test";
  static char* argv[] = {name, nullptr};
  static QCoreApplication application(argc, argv);
}

// Answers Inhibit with the write end of a pipe whose read end it keeps:
// the read end reports a hang-up once every copy of the lock is closed.
class FakeLogind : public QDBusVirtualObject {
 public:
  ~FakeLogind() override {
    if (lockEnd_ >= 0) ::close(lockEnd_);
  }
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    std::lock_guard<std::mutex> lock(mutex_);
    QStringList parts{message.interface() + "." + message.member()};
    for (const QVariant& argument : message.arguments()) parts << argument.toString();
    calls_.push_back(parts.join('|').toStdString());
    if (message.member() != "Inhibit") return connection.send(message.createReply());
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) return false;
    lockEnd_ = ends[0];
    const QDBusUnixFileDescriptor given(ends[1]);
    ::close(ends[1]);
    return connection.send(message.createReply(QVariant::fromValue(given)));
  }
  QString introspect(const QString&) const override { return {}; }

  std::vector<std::string> Calls() {
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
  }
  // True when every copy of the last lock handed out has been closed.
  bool LockReleased(std::chrono::milliseconds wait) {
    pollfd watch{lockEnd_, POLLIN, 0};
    return ::poll(&watch, 1, static_cast<int>(wait.count())) == 1 && (watch.revents & POLLHUP);
  }

 private:
  std::mutex mutex_;
  std::vector<std::string> calls_;
  int lockEnd_ = -1;
};

class LogindPowerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::access(kDaemon, X_OK) != 0) GTEST_SKIP() << kDaemon << " is missing (Debian package dbus-daemon)";
    EnsureApplication();
    tools::ProcessOptions options;
    options.argv = {kDaemon, "--session", "--nofork", "--print-address=1"};
    options.pipeStdout = true;
    std::string error;
    ASSERT_TRUE(daemon_.Start(options, error)) << error;
    address_ = ReadAddress();
    ASSERT_FALSE(address_.empty());
    service_ = QDBusConnection::connectToBus(QString::fromStdString(address_), "fake-logind");
    ASSERT_TRUE(service_.registerService("org.freedesktop.login1"));
    fake_.moveToThread(&thread_);
    thread_.start();
    ASSERT_TRUE(service_.registerVirtualObject("/org/freedesktop/login1", &fake_));
  }
  void TearDown() override {
    service_.unregisterObject("/org/freedesktop/login1");
    thread_.quit();
    thread_.wait();
    QDBusConnection::disconnectFromBus("fake-logind");
    if (daemon_.Pid() <= 0) return;
    daemon_.Terminate();
    daemon_.Wait();
  }

  std::string ReadAddress() {
    std::string text;
    for (auto until = std::chrono::steady_clock::now() + 5s;
         text.find('\n') == std::string::npos && std::chrono::steady_clock::now() < until;) {
      const int waiting = daemon_.Peek();
      if (waiting > 0) text += daemon_.TakeOutput();
      else std::this_thread::sleep_for(10ms);
    }
    return text.substr(0, text.find('\n'));
  }

  tools::ChildProcess daemon_;
  std::string address_;
  QDBusConnection service_{QString()};
  QThread thread_;
  FakeLogind fake_;
};

const std::string kInhibit =
    "org.freedesktop.login1.Manager.Inhibit|sleep:idle|Quandrell|Converting the jobs of the queue|block";

TEST_F(LogindPowerTest, TheStayAwakeLockIsHeldUntilReleasedAndTakenOnce) {
  platform::LogindPower power(address_);
  power.InhibitSleep();
  power.InhibitSleep();
  EXPECT_EQ(fake_.Calls(), std::vector<std::string>{kInhibit});
  EXPECT_FALSE(fake_.LockReleased(200ms));
  power.ReleaseSleep();
  EXPECT_TRUE(fake_.LockReleased(2000ms));
  power.ReleaseSleep();
  power.InhibitSleep();
  EXPECT_EQ(fake_.Calls(), (std::vector<std::string>{kInhibit, kInhibit}));
}

TEST_F(LogindPowerTest, ThePowerOffRequestAsksForNoInteraction) {
  platform::LogindPower power(address_);
  power.PowerOff();
  EXPECT_EQ(fake_.Calls(), std::vector<std::string>{"org.freedesktop.login1.Manager.PowerOff|false"});
}

TEST(LogindPowerWithoutBus, RequestsComeToNothingQuietly) {
  EnsureApplication();
  platform::LogindPower power("unix:path=/nonexistent/quandrell-bus");
  power.InhibitSleep();
  power.ReleaseSleep();
  power.PowerOff();
}

}  // namespace
