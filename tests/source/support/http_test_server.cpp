#include "support/http_test_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace test {

HttpTestServer::HttpTestServer() {
  listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
  listen(listener_, 8);
  socklen_t length = sizeof address;
  getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Loop(); });
}

HttpTestServer::~HttpTestServer() {
  stop_ = true;
  thread_.join();
  for (int connection : heldConnections_) close(connection);
  close(listener_);
}

std::string HttpTestServer::Address() const { return "http://127.0.0.1:" + std::to_string(port_); }

void HttpTestServer::Serve(const std::string& body) {
  std::lock_guard<std::mutex> lock(mutex_);
  body_ = body;
  silent_ = false;
}

void HttpTestServer::NeverAnswer() {
  std::lock_guard<std::mutex> lock(mutex_);
  silent_ = true;
}

std::vector<std::string> HttpTestServer::Requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

void HttpTestServer::Loop() {
  while (!stop_) {
    pollfd waiting{listener_, POLLIN, 0};
    if (poll(&waiting, 1, 50) <= 0) continue;
    const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection >= 0) Answer(connection);
  }
}

void HttpTestServer::Answer(int connection) {
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos) {
    const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
    if (got <= 0) break;
    request.append(buffer, static_cast<size_t>(got));
  }
  std::lock_guard<std::mutex> lock(mutex_);
  requests_.push_back(request.substr(0, request.find("\r\n")));
  if (silent_) {
    heldConnections_.push_back(connection);
    return;
  }
  const std::string response = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                               std::to_string(body_.size()) + "\r\nConnection: close\r\n\r\n" + body_;
  // The client may hang up early (it keeps a bounded body): stop then.
  for (size_t sent = 0; sent < response.size();) {
    const ssize_t put = send(connection, response.data() + sent, response.size() - sent, MSG_NOSIGNAL);
    if (put <= 0) break;
    sent += static_cast<size_t>(put);
  }
  close(connection);
}

}  // namespace test
