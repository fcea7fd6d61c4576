#pragma once
// A small HTTP server on 127.0.0.1 for one test: it answers every request
// in the one way the test chose and remembers the request heads it
// received.

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace test {

class LocalHttpServer {
 public:
  LocalHttpServer();
  ~LocalHttpServer();
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  // "HTTP/1.1 200 OK" with this body and its length.
  void ReplyWith(const std::string& body, int status = 200);
  // Exactly these bytes, then the connection closes.
  void SendRaw(const std::string& bytes);
  // Reads the request and closes the connection without a word.
  void CloseWithoutReply();
  // Reads the request and keeps the connection open, silent, until the
  // server ends.
  void NeverAnswer();

  // "http://127.0.0.1:<port>"
  std::string Address() const;
  std::vector<std::string> RequestHeads() const;
  // The first line of each head ("GET /find?... HTTP/1.1").
  std::vector<std::string> RequestLines() const;

 private:
  enum class Mode { Raw, Close, Silent };
  void Serve();
  void Answer(int connection);
  bool ReadHead(int connection, std::string& head);

  int listener_ = -1;
  int wakeRead_ = -1;
  int wakeWrite_ = -1;
  int port_ = 0;
  mutable std::mutex mutex_;
  Mode mode_ = Mode::Close;
  std::string raw_;
  std::vector<std::string> heads_;
  std::vector<int> held_;
  std::thread thread_;
};

}  // namespace test
