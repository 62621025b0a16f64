// One running copy of a gift per user. The saved game is named after the gift file,
// so two copies of one gift would overwrite each other's save; a second start of a
// gift that is already open therefore asks the open copy to come forward and ends.
//
// The copy that plays holds a lock named after its gift file in a folder private to
// the user, taken with flock before anything else: the kernel releases it when the
// process ends, however it ends, so a crash or a kill never leaves the gift locked.
// The holder also listens on a local socket of the same name from that moment on; a
// second start finds the lock taken, writes its request to come forward to the
// socket (the connection waits in the socket's queue until the holder's window
// takes it) and ends at once. Different gifts have different names and run side by
// side.
#pragma once
#include <chrono>
#include <optional>
#include <string>

#include "common/errors.h"

namespace quill {

// The folder of the locks and sockets: "quillmere-gift" in `runtimeDir` (the user's
// XDG_RUNTIME_DIR) when that is a folder, otherwise "quillmere-gift-<uid>" in
// `fallbackDir` (the system's /tmp). Made private (0700) when missing. Throws
// UserError when it cannot be made or is not a folder of this user alone: a link,
// another owner, or open to others.
std::string InstanceFolder(const char* runtimeDir, const std::string& fallbackDir = "/tmp");

// The name of one gift's lock and socket: 16 hex digits of a hash of the gift
// file's canonical path, so one file reached through links or ".." has one name.
std::string InstanceKey(const std::string& giftFile);

// The lock of the copy that plays a gift and its listening socket. Both descriptors
// are closed on exec, so the programs the player starts do not hold them.
class InstanceLock {
 public:
  InstanceLock(int lockFd, int listenFd, std::string socketPath);
  InstanceLock(InstanceLock&& other) noexcept;
  InstanceLock& operator=(InstanceLock&&) = delete;
  ~InstanceLock();  // removes the socket and releases the lock

  // The listening socket (non-blocking), or -1 when none could be made: the lock
  // then still keeps second copies out, they only cannot ask this one forward.
  int Listener() const { return listenFd_; }
  // Takes no more requests: for a copy that is ending, so that a start meanwhile
  // waits for the lock instead of asking a window that is gone.
  void StopListening();

 private:
  int lockFd_;
  int listenFd_;
  std::string socketPath_;
};

// What a start of a gift found.
enum class ClaimOutcome {
  Holder,     // the gift was free: this copy holds it and plays
  Forwarded,  // another copy holds it and was asked to come forward
  NoAnswer,   // another copy holds it but took no request within the patience
};

struct GiftClaim {
  ClaimOutcome Outcome;
  std::optional<InstanceLock> Lock;  // set for Holder
};

// Takes the lock of the gift named `key` in `folder`, or asks the copy that holds it
// to come forward by writing `request` to its socket. A holder that has its lock but
// no socket yet (it is starting) is tried again for up to `patience`; when it ends
// meanwhile this start takes the lock. Throws UserError when the lock file cannot be
// opened.
GiftClaim ClaimGift(const std::string& folder, const std::string& key, const std::string& request,
                    std::chrono::milliseconds patience = std::chrono::seconds(5));

// The request a second start writes: one line naming the window system's activation
// token it was started with (empty when none). Line breaks and other control
// characters in the token are left out.
std::string ForwardRequest(const std::string& activationToken);
// The token of a request line, or nothing when the line is not a request.
std::optional<std::string> ForwardRequestToken(const std::string& line);

// Takes one waiting connection from a listening socket and reads its first line,
// waiting up to `wait` for it. Nothing when no connection waits or it sent no line.
std::optional<std::string> TakeRequestLine(int listenFd,
                                           std::chrono::milliseconds wait = std::chrono::milliseconds(500));

}  // namespace quill
