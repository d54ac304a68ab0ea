#pragma once

#include <httplib.h>

#include <array>
#include <chrono>
#include <cstddef>
#include <string>

namespace kassio::sandbox {

// A connection's socket as cpp-httplib reads and writes it, with a deadline for reading the
// request. Each read waits at most the I/O timeout and never past the deadline, so a client that
// trickles its request (a header line every few seconds) is cut off when the deadline passes,
// however busy it keeps the connection.
class DeadlineSocketStream final : public httplib::Stream {
 public:
  using Clock = std::chrono::steady_clock;

  DeadlineSocketStream(::socket_t socket, Clock::time_point readDeadline, std::chrono::milliseconds ioTimeout);

  bool is_readable() const override;
  bool is_writable() const override;
  ssize_t read(char* ptr, std::size_t size) override;
  ssize_t write(const char* ptr, std::size_t size) override;
  void get_remote_ip_and_port(std::string& ip, int& port) const override;
  void get_local_ip_and_port(std::string& ip, int& port) const override;
  ::socket_t socket() const override { return socket_; }

  // A read failed because the deadline had passed.
  bool timedOut() const { return timedOut_; }

 private:
  // Waits for the socket to become readable, within the timeout and the deadline.
  bool awaitReadable();

  ::socket_t socket_;
  Clock::time_point readDeadline_;
  std::chrono::milliseconds ioTimeout_;
  bool timedOut_ = false;
  // Header lines are read a byte at a time: one recv fills this instead of one per byte.
  std::array<char, 4096> buffer_{};
  std::size_t bufferStart_ = 0;
  std::size_t bufferEnd_ = 0;
};

}  // namespace kassio::sandbox
