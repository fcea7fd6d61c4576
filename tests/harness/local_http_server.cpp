#include "harness/local_http_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace test {

LocalHttpServer::LocalHttpServer() {
  listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  int pipeEnds[2];
  if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listener_, 8) != 0 ||
      getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
      pipe2(pipeEnds, O_CLOEXEC) != 0)
    throw std::runtime_error("the test server cannot listen");
  port_ = ntohs(address.sin_port);
  wakeRead_ = pipeEnds[0];
  wakeWrite_ = pipeEnds[1];
  thread_ = std::thread([this] { Serve(); });
}

LocalHttpServer::~LocalHttpServer() {
  (void)!write(wakeWrite_, "x", 1);
  thread_.join();
  for (int fd : held_) close(fd);
  for (int fd : {listener_, wakeRead_, wakeWrite_}) close(fd);
}

void LocalHttpServer::ReplyWith(const std::string& body, int status) {
  SendRaw("HTTP/1.1 " + std::to_string(status) + " Reply\r\nContent-Length: " + std::to_string(body.size()) +
          "\r\nConnection: close\r\n\r\n" + body);
}

void LocalHttpServer::SendRaw(const std::string& bytes) {
  std::lock_guard<std::mutex> lock(mutex_);
  mode_ = Mode::Raw;
  raw_ = bytes;
}

void LocalHttpServer::CloseWithoutReply() {
  std::lock_guard<std::mutex> lock(mutex_);
  mode_ = Mode::Close;
}

void LocalHttpServer::NeverAnswer() {
  std::lock_guard<std::mutex> lock(mutex_);
  mode_ = Mode::Silent;
}

std::string LocalHttpServer::Address() const { return "http://127.0.0.1:" + std::to_string(port_); }

std::vector<std::string> LocalHttpServer::RequestHeads() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return heads_;
}

void LocalHttpServer::Serve() {
  for (;;) {
    pollfd fds[2] = {{wakeRead_, POLLIN, 0}, {listener_, POLLIN, 0}};
    if (poll(fds, 2, -1) < 0 || (fds[0].revents & POLLIN)) return;
    if (!(fds[1].revents & POLLIN)) continue;
    const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection >= 0) Answer(connection);
  }
}

void LocalHttpServer::Answer(int connection) {
  std::string head;
  const bool complete = ReadHead(connection, head);
  std::lock_guard<std::mutex> lock(mutex_);
  heads_.push_back(head);
  if (complete && mode_ == Mode::Silent) {
    held_.push_back(connection);
    return;
  }
  if (complete && mode_ == Mode::Raw) (void)!send(connection, raw_.data(), raw_.size(), MSG_NOSIGNAL);
  close(connection);
}

// Until the blank line that ends the head; false when the server ends or
// the client goes first.
bool LocalHttpServer::ReadHead(int connection, std::string& head) {
  while (head.find("\r\n\r\n") == std::string::npos) {
    pollfd fds[2] = {{wakeRead_, POLLIN, 0}, {connection, POLLIN, 0}};
    if (poll(fds, 2, -1) < 0 || (fds[0].revents & POLLIN)) return false;
    char buffer[1024];
    const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
    if (got <= 0) return false;
    head.append(buffer, static_cast<size_t>(got));
  }
  return true;
}

std::vector<std::string> LocalHttpServer::RequestLines() const {
  std::vector<std::string> lines;
  for (const auto& head : RequestHeads()) lines.push_back(head.substr(0, head.find("\r\n")));
  return lines;
}

}  // namespace test
