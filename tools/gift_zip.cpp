#include "gift_zip.h"

#include <sys/stat.h>
#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <limits>

#include "common/errors.h"
#include "common/translate.h"

namespace quill {
namespace {

constexpr uint16_t kVersionNeeded = 20;                    // 2.0: deflate
constexpr uint16_t kVersionMadeByUnix = (3 << 8) | 20;     // host 3 (Unix), 2.0
constexpr uint16_t kFlagUtf8Name = 0x0800;
constexpr uint16_t kStored = 0, kDeflated = 8;
constexpr uint32_t kUnixExecutableFile = (S_IFREG | 0755) << 16;

class LittleEndian {
 public:
  std::vector<uint8_t> Bytes;
  void U16(uint32_t value) {
    Bytes.push_back(static_cast<uint8_t>(value));
    Bytes.push_back(static_cast<uint8_t>(value >> 8));
  }
  void U32(uint32_t value) {
    U16(value & 0xFFFF);
    U16(value >> 16);
  }
  void Append(const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    Bytes.insert(Bytes.end(), bytes, bytes + size);
  }
};

// Raw deflate (no zlib header), as zip stores it; empty when it does not shrink the data.
std::vector<uint8_t> Deflated(const std::vector<uint8_t>& data) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
    throw UserError(Tr("GiftMaking", "The zip archive could not be made (zlib did not start)"));
  std::vector<uint8_t> out(deflateBound(&stream, static_cast<uLong>(data.size())));
  stream.next_in = const_cast<Bytef*>(data.data());
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = out.data();
  stream.avail_out = static_cast<uInt>(out.size());
  const int result = deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  if (result != Z_STREAM_END || out.size() >= data.size()) return {};
  return out;
}

struct Entry {
  uint16_t Method;
  uint32_t Crc;
  uint32_t CompressedSize;
  uint32_t Size;
};

// The fields the local header and the central directory share.
void Common(LittleEndian& out, const Entry& entry, const std::string& name, uint16_t date, uint16_t time) {
  out.U16(kVersionNeeded);
  out.U16(kFlagUtf8Name);
  out.U16(entry.Method);
  out.U16(time);
  out.U16(date);
  out.U32(entry.Crc);
  out.U32(entry.CompressedSize);
  out.U32(entry.Size);
  out.U16(static_cast<uint32_t>(name.size()));
  out.U16(0);  // no extra field
}

void DosNow(uint16_t& date, uint16_t& time) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  date = static_cast<uint16_t>(((std::max(local.tm_year, 80) - 80) << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday);
  time = static_cast<uint16_t>((local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2));
}

}  // namespace

bool IsZipPath(const std::string& path) {
  if (path.size() < 4) return false;
  std::string end = path.substr(path.size() - 4);
  for (char& c : end) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return end == ".zip";
}

std::string ZipEntryName(const std::string& zipPath) {
  std::string name = std::filesystem::path(zipPath).filename().string();
  if (IsZipPath(name)) name.resize(name.size() - 4);
  return name.empty() ? "gift" : name;
}

std::vector<uint8_t> ExecutableZip(const std::string& entryName, const std::vector<uint8_t>& contents,
                                   uint16_t dosDate, uint16_t dosTime) {
  if (contents.size() >= std::numeric_limits<uint32_t>::max() || entryName.size() > 0xFFFF)
    throw UserError(Tr("GiftMaking", "The gift is too large for a zip archive (4 GB and more)"));
  const std::vector<uint8_t> deflated = Deflated(contents);
  const bool stored = deflated.empty();
  const std::vector<uint8_t>& data = stored ? contents : deflated;
  const Entry entry{stored ? kStored : kDeflated,
                    static_cast<uint32_t>(crc32(0L, contents.data(), static_cast<uInt>(contents.size()))),
                    static_cast<uint32_t>(data.size()), static_cast<uint32_t>(contents.size())};

  LittleEndian zip;
  zip.U32(0x04034b50);  // local file header
  Common(zip, entry, entryName, dosDate, dosTime);
  zip.Append(entryName.data(), entryName.size());
  zip.Append(data.data(), data.size());
  if (zip.Bytes.size() >= std::numeric_limits<uint32_t>::max())
    throw UserError(Tr("GiftMaking", "The gift is too large for a zip archive (4 GB and more)"));

  const auto directoryOffset = static_cast<uint32_t>(zip.Bytes.size());
  zip.U32(0x02014b50);  // central directory header
  zip.U16(kVersionMadeByUnix);
  Common(zip, entry, entryName, dosDate, dosTime);
  zip.U16(0);  // no comment
  zip.U16(0);  // disk 0
  zip.U16(0);  // internal attributes: binary
  zip.U32(kUnixExecutableFile);
  zip.U32(0);  // the local header's offset
  zip.Append(entryName.data(), entryName.size());
  const auto directorySize = static_cast<uint32_t>(zip.Bytes.size()) - directoryOffset;

  zip.U32(0x06054b50);  // end of central directory
  zip.U16(0);
  zip.U16(0);
  zip.U16(1);
  zip.U16(1);
  zip.U32(directorySize);
  zip.U32(directoryOffset);
  zip.U16(0);  // no comment
  return std::move(zip.Bytes);
}

int64_t WriteExecutableZip(const std::string& zipPath, const std::string& entryName,
                           const std::vector<uint8_t>& contents) {
  uint16_t date = 0, time = 0;
  DosNow(date, time);
  const std::vector<uint8_t> zip = ExecutableZip(entryName, contents, date, time);
  const std::string partial = zipPath + ".part";
  std::ofstream out(partial, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(zip.data()), static_cast<std::streamsize>(zip.size()));
  out.close();
  if (!out || std::rename(partial.c_str(), zipPath.c_str()) != 0) {
    std::remove(partial.c_str());
    throw UserError(FillArgs(Tr("GiftMaking", "File %1 could not be written"), {zipPath}));
  }
  return static_cast<int64_t>(zip.size());
}

}  // namespace quill
