#include "child_input.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "failure.h"

namespace eac3to {

ChildInput::ChildInput(Feed feed) : feed_(std::move(feed)) {
  // A socket rather than a pipe: MSG_NOSIGNAL reports a child that quit
  // reading without a SIGPIPE to the whole program.
  int fds[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
    throw Failure("No input channel for the child process.");
  childEnd_ = fds[0];
  ourEnd_ = fds[1];
}

ChildInput::~ChildInput() {
  Finish();
  if (childEnd_ >= 0) close(childEnd_);
}

void ChildInput::Start() {
  close(childEnd_);
  childEnd_ = -1;
  thread_ = std::thread([this] {
    try {
      feed_([this](const std::uint8_t* data, std::size_t size) { Write(data, size); });
    } catch (const InputClosed&) {
    } catch (...) {
      error_ = std::current_exception();
    }
    close(ourEnd_);
    ourEnd_ = -1;
  });
}

std::exception_ptr ChildInput::Finish() {
  if (thread_.joinable()) thread_.join();
  if (ourEnd_ >= 0) {  // never started
    close(ourEnd_);
    ourEnd_ = -1;
  }
  return error_;
}

void ChildInput::Write(const std::uint8_t* data, std::size_t size) const {
  while (size > 0) {
    const ssize_t sent = send(ourEnd_, data, size, MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent <= 0) throw InputClosed{};
    data += sent;
    size -= static_cast<std::size_t>(sent);
  }
}

}  // namespace eac3to
