#include "game/gift_scan.h"

#include <algorithm>
#include <vector>

#include "common/errors.h"

namespace quill {

FoundGiftHeader LocateGiftHeader(const ProgramFile& file) {
  // The scan starts 3463 + 10000 bytes before the end, so up to 10001 bytes of other
  // data may follow the header.
  const int64_t start = std::max<int64_t>(0, file.Size() - static_cast<int64_t>(kGiftHeaderSize + kGiftScanSlack));
  std::vector<uint8_t> tail(static_cast<size_t>(file.Size() - start));
  tail.resize(file.ReadSome(start, tail.data(), tail.size()));

  // A byte that breaks a partial match is not compared again with the first marker
  // character: that is how gifts have always been found, and stays so.
  size_t matched = 0;
  size_t position = 0;
  while (matched < kGiftMarkerLength && position < tail.size()) {
    if (tail[position] == static_cast<uint8_t>(kGiftMarker[matched])) ++matched;
    else matched = 0;
    ++position;
  }
  if (matched < kGiftMarkerLength) throw UserError(kDamagedGiftMessage);

  const int64_t headerStart = start + static_cast<int64_t>(position) - static_cast<int64_t>(kGiftMarkerLength + 1);
  GiftHeaderBytes bytes{};
  if (headerStart < 0 || file.ReadSome(headerStart, bytes.data(), bytes.size()) != bytes.size())
    throw UserError(kDamagedGiftMessage);
  GiftHeader header = ParseGiftHeader(bytes);
  if (header.HeaderSize != kGiftHeaderSize) throw UserError(kDamagedGiftMessage);
  return {header, headerStart};
}

}  // namespace quill
