#pragma once
// Keeping the computer awake while jobs run, and switching it off when the
// queue has run dry and the user asked for it.

#include <mutex>
#include <string>

namespace platform {

class Power {
 public:
  virtual ~Power() = default;
  // Asks the system not to sleep or idle; asking again while held is harmless.
  virtual void InhibitSleep() = 0;
  // Withdraws the request; harmless when none is held.
  virtual void ReleaseSleep() = 0;
  // Asks the system to power off. Whether it does is not reported.
  virtual void PowerOff() = 0;
};

// systemd-logind over D-Bus: the stay-awake request is an Inhibit lock
// ("sleep:idle") held as a file descriptor; power-off is PowerOff.
class LogindPower : public Power {
 public:
  // An empty address means the system bus; another one is a bus of that
  // address (tests run their own).
  explicit LogindPower(std::string busAddress = "");
  ~LogindPower() override;
  LogindPower(const LogindPower&) = delete;
  LogindPower& operator=(const LogindPower&) = delete;

  void InhibitSleep() override;
  void ReleaseSleep() override;
  void PowerOff() override;

 private:
  const std::string busAddress_;
  std::mutex mutex_;  // the queue may start or end a run from the pipeline thread
  int inhibitFd_ = -1;
};

}  // namespace platform
