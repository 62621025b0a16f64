// Files that must survive a crash or a power cut whole: a file is replaced by
// writing a temporary file beside it, flushing it, renaming it over the old one and
// flushing the folder, so at any moment either the old file or the new one is
// there. Temporaries a crash left behind are found by their name and removed.
// Used by the saved game.
//
// Every step first asks a fault hook, which tests set to make that step fail as
// the system would, or to end the process there.
#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace quill {

// The steps of replacing and removing files, in the order a replacement takes them.
enum class FileStep : uint8_t {
  CreateTemporary,  // the temporary file beside the target
  Write,            // its bytes
  Sync,             // flushing them to the disk
  Rename,           // the temporary becomes the target
  SyncFolder,       // flushing the folder, so the new name survives a power cut
  Remove,           // a file removed
};

// Returns 0 to let a step run, or an error number the step then fails with.
using FileFaultHook = std::function<int(FileStep step, const std::string& path)>;

// Sets the hook for the process (empty: no faults); returns the one it replaces.
FileFaultHook SetFileFaultHook(FileFaultHook hook);

// Writes bytes to path through a temporary file beside it that then replaces it.
// The new file keeps the permissions of the file it replaces (0644 when new).
// Throws UserError with the reason; the old file is then as it was and no
// temporary is left.
void WriteFileReplacing(const std::string& path, std::span<const uint8_t> bytes);

// Removes the temporaries of path that a process left behind when it died while
// replacing it; a temporary whose writer is still at work is left alone.
void RemoveLeftTemporaries(const std::string& path);

// Removes the file; 0 when it is gone (or was never there), else the system's
// error number.
int RemoveFile(const std::string& path);

// The system's text for an error number.
std::string SystemErrorText(int error);

}  // namespace quill
