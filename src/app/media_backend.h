// Which of Qt's media back ends plays the gift's music, and whether it can play here
// at all. Qt 6.4 on Linux defaults to its GStreamer back end, which crashes the
// program when GStreamer's base plugins are missing, and stops the program when the
// back end named in QT_MEDIA_BACKEND cannot be loaded. The player therefore names
// the FFmpeg back end itself (it loops the music without a gap), falls back to Qt's
// default when that one's plugin does not load, and before the first media player is
// made lets a trial copy of itself make one: when the trial fails in any way, the
// gift's music stays off and the program plays on.
#pragma once
#include <string>
#include <vector>

namespace quill {

inline constexpr const char* kMediaBackendVariable = "QT_MEDIA_BACKEND";
inline constexpr const char* kPreferredMediaBackend = "ffmpeg";
// Set in the environment of the trial copy of the program.
inline constexpr const char* kMediaTrialVariable = "QUILLMERE_MEDIA_TRIAL";

// Before the application object is made: names `preferred` (the FFmpeg back end) in
// QT_MEDIA_BACKEND when the user has named none.
void ChooseMediaBackend(const char* preferred = kPreferredMediaBackend);

// Once the application object exists (Qt then knows every plugin folder, a portable
// gift's own too) and before the first media player: when the back end named by
// ChooseMediaBackend does not load, takes the name back so Qt's default is tried.
// Returns whether the back end Qt will use loads. A back end the user named stays.
bool SettleMediaBackend();

// The back end Qt will load: the one QT_MEDIA_BACKEND names, or "" for Qt's default.
std::string ChosenMediaBackend();

// Whether the plugin of Qt's media back end `name` loads; "" (Qt's default) counts
// as loading.
bool MediaBackendLoads(const std::string& name);

// The command that started this process, to start the trial copy with: the file the
// system runs (/proc/self/exe) and the arguments after the first in /proc/self/cmdline.
// A portable gift's player, started through its bundled loader, so gives the loader
// with the library path and the player.
std::vector<std::string> OwnCommandLine();

// The command that runs the trial copy: the player sets its own; without one (tests,
// tools) no trial is made and a back end whose plugin loads counts as usable.
void SetMediaTrialCommand(std::vector<std::string> command);

// Runs `command` as the trial copy (with QUILLMERE_MEDIA_TRIAL set) and tells whether
// it ended normally with status 0 within ten seconds.
bool MediaTrialSucceeds(const std::vector<std::string>& command);

// Whether a media player can be made here without bringing the program down. Asked
// once; the answer is kept for the run.
bool MediaPlayerUsable();

// The trial copy's whole work: makes a media player with an audio output and ends.
// Returns the exit code.
int RunMediaTrial(int argc, char** argv);

}  // namespace quill
