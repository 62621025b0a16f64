// The gift's music as it is stored. The player decodes WAV, FLAC, Ogg Vorbis, Opus and
// MP3 itself, so such files are stored as they are. It cannot synthesise MIDI: a MIDI
// file is played here, on the sender's machine, by FluidSynth with a General MIDI
// sound font and stored as Ogg Vorbis; without them it is refused with a message
// saying what to do.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace quill {

struct ImportedMusic {
  std::vector<uint8_t> Bytes;
  std::string Extension;  // with its dot
};

// Music that cannot be stored, with a message for the sender.
class MusicImportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Whether `bytes` begin as a standard MIDI file.
bool IsMidi(const std::vector<uint8_t>& bytes);

// The General MIDI sound font to synthesise with: QUILLMERE_SOUND_FONT when it names
// a file, else Debian's; empty when there is none.
std::string FindSoundFont();

// The music file at `path` as the gift stores it; `extension` is what the gift names
// it when stored as it is. Throws MusicImportError.
ImportedMusic ImportMusic(const std::string& path, const std::string& extension);

}  // namespace quill
