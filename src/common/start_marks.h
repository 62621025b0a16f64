// Marks of the start's steps for timed runs. With QUILLMERE_START_MARKS set in the
// environment, each mark writes one line "quillmere-mark STEP SECONDS" to stderr,
// SECONDS being the wall-clock time since the epoch, so a script that noted when it
// started the player can tell how long each step took and when the "Play..." screen
// began to wait. Without the variable a mark costs one cached test.
#pragma once

namespace quill {

inline constexpr const char* kStartMarksVariable = "QUILLMERE_START_MARKS";

void MarkStartStep(const char* step);

}  // namespace quill
