#pragma once
// One copy of the program per user store. The holder keeps an exclusive
// lock on a file beside the store (the kernel drops it if the program dies,
// so it never goes stale) and listens on a local socket where a second
// copy asks it to come to the front.

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace platform {

class SingleInstance {
 public:
  // `lockPath` names the lock file; its folder must be writable.
  explicit SingleInstance(std::string lockPath);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True when this process now holds the instance. False when another
  // copy holds it; that copy has then been asked to come to the front.
  bool Acquire();
  // Called on a listener thread each time another copy asks.
  void OnRaiseRequest(std::function<void()> raise);

 private:
  void Listen();
  std::string SocketName() const;

  std::string lockPath_;
  int lockFd_ = -1;
  int listenFd_ = -1;
  std::atomic<bool> stopping_{false};
  std::function<void()> raise_;
  std::thread listener_;
};

}  // namespace platform
