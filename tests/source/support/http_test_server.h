#pragma once
// A small web server on 127.0.0.1 for one test: it answers every request
// with the body the test gives it, or never answers at all.

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace test {

class HttpTestServer {
 public:
  HttpTestServer();
  ~HttpTestServer();

  // "http://127.0.0.1:<port>"
  std::string Address() const;
  // Every request is answered "200 OK" with this body.
  void Serve(const std::string& body);
  // Connections are accepted and then left without a word.
  void NeverAnswer();
  // The request line of every request ("GET /find?... HTTP/1.1").
  std::vector<std::string> Requests() const;

 private:
  void Loop();
  void Answer(int connection);

  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::string body_;
  bool silent_ = false;
  std::vector<std::string> requests_;
  std::vector<int> heldConnections_;
  std::thread thread_;
};

}  // namespace test
