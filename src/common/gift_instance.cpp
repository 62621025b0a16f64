#include "common/gift_instance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <thread>
#include <utility>

namespace quill {
namespace {

constexpr const char* kRequestWord = "forward";
constexpr size_t kLongestRequest = 4096;

std::string SystemError(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

// Makes `path` a folder of this user alone, or checks the one that is there.
void EnsurePrivateFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) throw UserError(SystemError("Cannot make", path));
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) throw UserError(SystemError("Cannot read", path));
  if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid() || (info.st_mode & 0077) != 0)
    throw UserError(path + " is not a folder of this user alone");
}

bool IsFolder(const char* path) {
  struct stat info {};
  return path != nullptr && *path == '/' && ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

// 64-bit FNV-1a: stable across builds, so every player version finds the same name.
uint64_t HashOf(const std::string& text) {
  uint64_t hash = 14695981039346656037ULL;
  for (const unsigned char c : text) {
    hash ^= c;
    hash *= 1099511628211ULL;
  }
  return hash;
}

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

bool FillSocketAddress(const std::string& path, sockaddr_un& address) {
  address = {};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof(address.sun_path)) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}

// Listens at `path`, replacing a socket a holder that died left there. Only the
// lock's holder calls this, so no live socket is ever replaced. -1 on failure.
int Listen(const std::string& path) {
  sockaddr_un address;
  if (!FillSocketAddress(path, address)) return -1;
  Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (socket.Get() < 0) return -1;
  ::unlink(path.c_str());
  if (::bind(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) return -1;
  if (::listen(socket.Get(), 16) != 0) return -1;
  return socket.Release();
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return true;
}

// Connects to the holder's socket and writes the request; false when nobody listens.
bool SendRequest(const std::string& path, const std::string& request) {
  sockaddr_un address;
  if (!FillSocketAddress(path, address)) return false;
  Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (socket.Get() < 0) return false;
  if (::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) return false;
  return WriteAll(socket.Get(), request);
}

}  // namespace

std::string InstanceFolder(const char* runtimeDir, const std::string& fallbackDir) {
  const std::string folder = IsFolder(runtimeDir)
                                 ? std::string(runtimeDir) + "/quillmere-gift"
                                 : fallbackDir + "/quillmere-gift-" + std::to_string(::geteuid());
  EnsurePrivateFolder(folder);
  return folder;
}

std::string InstanceKey(const std::string& giftFile) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::weakly_canonical(giftFile, error);
  if (error) path = std::filesystem::absolute(giftFile, error).lexically_normal();
  char hex[17];
  std::snprintf(hex, sizeof(hex), "%016llx", static_cast<unsigned long long>(HashOf(path.string())));
  return hex;
}

InstanceLock::InstanceLock(int lockFd, int listenFd, std::string socketPath)
    : lockFd_(lockFd), listenFd_(listenFd), socketPath_(std::move(socketPath)) {}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept
    : lockFd_(std::exchange(other.lockFd_, -1)),
      listenFd_(std::exchange(other.listenFd_, -1)),
      socketPath_(std::move(other.socketPath_)) {}

void InstanceLock::StopListening() {
  if (listenFd_ < 0) return;
  ::unlink(socketPath_.c_str());
  ::close(std::exchange(listenFd_, -1));
}

InstanceLock::~InstanceLock() {
  if (lockFd_ < 0) return;
  StopListening();
  ::close(lockFd_);
}

GiftClaim ClaimGift(const std::string& folder, const std::string& key, const std::string& request,
                    std::chrono::milliseconds patience) {
  const std::string lockPath = folder + "/" + key + ".lock";
  const std::string socketPath = folder + "/" + key + ".socket";
  Descriptor lock(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (lock.Get() < 0) throw UserError(SystemError("Cannot open", lockPath));
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (true) {
    if (::flock(lock.Get(), LOCK_EX | LOCK_NB) == 0) {
      const int listener = Listen(socketPath);
      return {ClaimOutcome::Holder, InstanceLock(lock.Release(), listener, socketPath)};
    }
    if (errno != EWOULDBLOCK && errno != EINTR) throw UserError(SystemError("Cannot lock", lockPath));
    if (SendRequest(socketPath, request)) return {ClaimOutcome::Forwarded, std::nullopt};
    if (std::chrono::steady_clock::now() >= deadline) return {ClaimOutcome::NoAnswer, std::nullopt};
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::string ForwardRequest(const std::string& activationToken) {
  std::string line = kRequestWord;
  line += ' ';
  for (const char c : activationToken)
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) line += c;
  return line + '\n';
}

std::optional<std::string> ForwardRequestToken(const std::string& line) {
  const std::string word = std::string(kRequestWord) + ' ';
  if (line.compare(0, word.size(), word) != 0) return std::nullopt;
  std::string token = line.substr(word.size());
  if (!token.empty() && token.back() == '\n') token.pop_back();
  return token;
}

std::optional<std::string> TakeRequestLine(int listenFd, std::chrono::milliseconds wait) {
  Descriptor connection(::accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC));
  if (connection.Get() < 0) return std::nullopt;
  std::string line;
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (line.size() < kLongestRequest && (line.empty() || line.back() != '\n')) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd ready{connection.Get(), POLLIN, 0};
    if (left.count() <= 0 || ::poll(&ready, 1, static_cast<int>(left.count())) <= 0) break;
    char buffer[512];
    const ssize_t got = ::read(connection.Get(), buffer, sizeof(buffer));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    line.append(buffer, static_cast<size_t>(got));
  }
  const size_t end = line.find('\n');
  if (end == std::string::npos) return std::nullopt;
  return line.substr(0, end + 1);
}

}  // namespace quill
