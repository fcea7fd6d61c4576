#include "platform/single_instance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

namespace platform {

namespace {

// An abstract socket address: nothing on disk to clean up.
socklen_t MakeAddress(const std::string& name, sockaddr_un& addr) {
  std::memset(&addr, 0, sizeof addr);
  addr.sun_family = AF_UNIX;
  const size_t length = std::min(name.size(), sizeof addr.sun_path - 2);
  std::memcpy(addr.sun_path + 1, name.data(), length);
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
}

}  // namespace

SingleInstance::SingleInstance(std::string lockPath) : lockPath_(std::move(lockPath)) {}

SingleInstance::~SingleInstance() {
  stopping_ = true;
  if (listenFd_ >= 0) shutdown(listenFd_, SHUT_RDWR);
  if (listener_.joinable()) listener_.join();
  if (listenFd_ >= 0) close(listenFd_);
  if (lockFd_ >= 0) close(lockFd_);
}

std::string SingleInstance::SocketName() const {
  return "quandrell-" + std::to_string(std::hash<std::string>{}(lockPath_));
}

bool SingleInstance::Acquire() {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(lockPath_).parent_path(), ec);
  lockFd_ = open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lockFd_ >= 0 && flock(lockFd_, LOCK_EX | LOCK_NB) == 0) {
    listenFd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un addr;
    socklen_t length = MakeAddress(SocketName(), addr);
    if (listenFd_ >= 0 && bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), length) == 0 &&
        listen(listenFd_, 4) == 0) {
      listener_ = std::thread(&SingleInstance::Listen, this);
    }
    return true;
  }
  if (lockFd_ < 0) return true;  // no lock can be had here; do not refuse to run
  close(lockFd_);
  lockFd_ = -1;
  int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un addr;
  socklen_t length = MakeAddress(SocketName(), addr);
  if (fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&addr), length) == 0) {
    ssize_t ignored = write(fd, "raise\n", 6);
    (void)ignored;
  }
  if (fd >= 0) close(fd);
  return false;
}

void SingleInstance::OnRaiseRequest(std::function<void()> raise) { raise_ = std::move(raise); }

void SingleInstance::Listen() {
  while (!stopping_) {
    pollfd p{listenFd_, POLLIN, 0};
    if (poll(&p, 1, 200) <= 0) continue;
    int client = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) continue;
    char buffer[16];
    ssize_t ignored = read(client, buffer, sizeof buffer);
    (void)ignored;
    close(client);
    if (raise_ && !stopping_) raise_();
  }
}

}  // namespace platform
