// Making a gift from what a person chose: the files, how the picture is fitted, and
// the puzzle's settings and messages. One request is filled by either face of the
// gift maker (the quillmere-wrap command, a window); `ValidateGiftRequest` judges it
// field by field before anything is read, and `MakeGift` imports the picture and the
// skin, builds the header and writes the gift, reporting its progress.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/errors.h"
#include "game/gift_header.h"
#include "picture_import.h"

namespace quill {

struct GiftRequest {
  std::string PlayerPath;      // the player the gift is appended to
  std::string PicturePath;     // any picture file the maker reads
  std::string OutputPath;      // the gift to write; a name ending in .zip writes a zip archive holding it
  std::string MusicPath;       // optional: any audio file
  std::string MusicExtension;  // with its dot; empty: the music file's own
  std::string SkinPath;        // optional: the tool bar's picture, any picture file
  std::string TemplatesPath;   // optional: a block of `TemplateCount` piece templates
  int32_t TemplateCount = 0;
  PictureFitting Fitting;
  // The puzzle's settings and messages as the header holds them, except that the
  // texts here (creator version, title, creator name, description, messages, font
  // and colour names) are UTF-8 with "\n" line breaks. Offsets, sizes, the music
  // extension and the template count are filled in when the gift is written.
  // The title, creator name, description and messages may be in any script: the
  // gift keeps them whole in its text block, and their closest Windows-1252 form in
  // the header for older players.
  GiftHeader Settings;
  // The language the player shows its own texts in, such as "de" or "pl"; empty:
  // the recipient's own.
  std::string Language;

  GiftRequest();
};

// A field of the request and what is wrong with it. Fields are named as the request
// names them: "PicturePath", "Fitting.MaxWidth", "Title", "OpeningFont.Name", ...
struct FieldError {
  std::string Field;
  std::string Message;
  friend bool operator==(const FieldError&, const FieldError&) = default;
};

// Every problem found without reading the picture: missing or unreadable files,
// texts that a gift cannot hold (longer than the text block holds, not UTF-8, or
// holding the header's marker; font and colour names, which only the header holds,
// also with characters outside Windows-1252, which are named), an unknown language
// code, unknown colour names, settings out of range, a fitting bound the player
// cannot use. Empty when the request can be made.
std::vector<FieldError> ValidateGiftRequest(const GiftRequest& request);

// Raised by MakeGift: the fields at fault (a picture that does not import is one).
class GiftRequestError : public UserError {
 public:
  explicit GiftRequestError(std::vector<FieldError> errors);
  const std::vector<FieldError>& Errors() const { return errors_; }

 private:
  std::vector<FieldError> errors_;
};

// How far making the gift has come: 0..100 and the step under way.
using GiftProgress = std::function<void(int percent, const std::string& step)>;

struct MadeGift {
  ImportedPicture Picture;  // what became of the picture (DescribeImport tells it)
  int64_t FileSize = 0;     // of the file written: the gift, or the zip archive holding it
  int64_t GiftSize = 0;     // of the gift itself
};

// The size in bytes of the gift `request` makes with a picture already imported as
// `pictureJpeg`, without writing it: the player, the picture, the music, skin and
// templates files and the header. A skin that is not a JPEG is counted at its file's
// size. Files that cannot be read count nothing. A zip archive of the gift is smaller.
int64_t EstimateGiftSize(const GiftRequest& request, const std::vector<uint8_t>& pictureJpeg);

// "850 KB", "1.3 MB", "17 MB": a size as a person reads it (1 MB = 1,000,000 bytes,
// as file managers count).
std::string ReadableSize(int64_t bytes);

// Validates, imports the picture (and the skin, keeping its size), reads the other
// files, and writes player + payload to OutputPath through a temporary file, so a
// failure leaves no half-written gift. An OutputPath ending in .zip gets a zip
// archive holding the gift, executable, under the archive's name less ".zip". Raises GiftRequestError for the fields at
// fault and UserError when the gift cannot be written.
MadeGift MakeGift(const GiftRequest& request, const GiftProgress& progress = {});

}  // namespace quill
