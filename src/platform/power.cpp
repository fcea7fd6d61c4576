#include "platform/power.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QString>
#include <QVariant>

namespace platform {

namespace {

constexpr int kCallTimeoutMs = 5000;

QDBusConnection Bus(const std::string& address) {
  if (address.empty()) return QDBusConnection::systemBus();
  const QString qaddress = QString::fromStdString(address);
  // One named connection per address, shared by every caller.
  return QDBusConnection::connectToBus(qaddress, "quandrell-power-" + qaddress);
}

QDBusMessage ManagerCall(const char* method, const QVariantList& arguments) {
  QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                                     "org.freedesktop.login1.Manager", method);
  call.setArguments(arguments);
  return call;
}

}  // namespace

LogindPower::LogindPower(std::string busAddress) : busAddress_(std::move(busAddress)) {}

LogindPower::~LogindPower() { ReleaseSleep(); }

void LogindPower::InhibitSleep() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (inhibitFd_ >= 0) return;
  const QDBusMessage reply = Bus(busAddress_).call(
      ManagerCall("Inhibit", {QString("sleep:idle"), QString("Quandrell"),
                              QString("Converting the jobs of the queue"), QString("block")}),
      QDBus::Block, kCallTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return;
  const auto fd = reply.arguments().first().value<QDBusUnixFileDescriptor>();
  // The reply's descriptor closes with the reply: keep a copy of our own,
  // closed on exec so that no tool we start keeps the lock alive.
  if (fd.isValid()) inhibitFd_ = ::fcntl(fd.fileDescriptor(), F_DUPFD_CLOEXEC, 0);
}

void LogindPower::ReleaseSleep() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (inhibitFd_ < 0) return;
  ::close(inhibitFd_);
  inhibitFd_ = -1;
}

void LogindPower::PowerOff() {
  // Not interactive: nobody is there to answer an authentication prompt.
  Bus(busAddress_).call(ManagerCall("PowerOff", {false}), QDBus::Block, kCallTimeoutMs);
}

}  // namespace platform
