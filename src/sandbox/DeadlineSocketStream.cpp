#include "sandbox/DeadlineSocketStream.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace kassio::sandbox {

namespace {

bool pollFor(int socket, short events, std::chrono::milliseconds wait) {
  pollfd entry{socket, events, 0};
  int ready;
  do {
    ready = ::poll(&entry, 1, static_cast<int>(std::max<std::chrono::milliseconds::rep>(wait.count(), 0)));
  } while (ready < 0 && errno == EINTR);
  return ready > 0;
}

void addressOf(const sockaddr_storage& address, std::string& ip, int& port) {
  char text[INET6_ADDRSTRLEN] = {};
  if (address.ss_family == AF_INET) {
    const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
    ::inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
    port = ntohs(v4.sin_port);
  } else if (address.ss_family == AF_INET6) {
    const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
    ::inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
    port = ntohs(v6.sin6_port);
  }
  ip = text;
}

}  // namespace

DeadlineSocketStream::DeadlineSocketStream(::socket_t socket, Clock::time_point readDeadline,
                                           std::chrono::milliseconds ioTimeout)
    : socket_(socket), readDeadline_(readDeadline), ioTimeout_(ioTimeout) {}

bool DeadlineSocketStream::is_readable() const {
  if (bufferStart_ < bufferEnd_) return true;
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(readDeadline_ - Clock::now());
  return left.count() > 0 && pollFor(socket_, POLLIN, std::min(ioTimeout_, left));
}

bool DeadlineSocketStream::is_writable() const { return pollFor(socket_, POLLOUT, ioTimeout_); }

bool DeadlineSocketStream::awaitReadable() {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(readDeadline_ - Clock::now());
  if (left.count() > 0 && pollFor(socket_, POLLIN, std::min(ioTimeout_, left))) return true;
  timedOut_ = Clock::now() >= readDeadline_;
  return false;
}

ssize_t DeadlineSocketStream::read(char* ptr, std::size_t size) {
  if (bufferStart_ == bufferEnd_) {
    if (!awaitReadable()) return -1;
    ssize_t received;
    do {
      received = ::recv(socket_, buffer_.data(), buffer_.size(), 0);
    } while (received < 0 && errno == EINTR);
    if (received <= 0) return received;
    bufferStart_ = 0;
    bufferEnd_ = static_cast<std::size_t>(received);
  }
  const std::size_t taken = std::min(size, bufferEnd_ - bufferStart_);
  std::memcpy(ptr, buffer_.data() + bufferStart_, taken);
  bufferStart_ += taken;
  return static_cast<ssize_t>(taken);
}

ssize_t DeadlineSocketStream::write(const char* ptr, std::size_t size) {
  if (!is_writable()) return -1;
  ssize_t sent;
  do {
    sent = ::send(socket_, ptr, size, MSG_NOSIGNAL);  // a client gone is an error here, not SIGPIPE
  } while (sent < 0 && errno == EINTR);
  return sent;
}

void DeadlineSocketStream::get_remote_ip_and_port(std::string& ip, int& port) const {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (::getpeername(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0) addressOf(address, ip, port);
}

void DeadlineSocketStream::get_local_ip_and_port(std::string& ip, int& port) const {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0) addressOf(address, ip, port);
}

}  // namespace kassio::sandbox
