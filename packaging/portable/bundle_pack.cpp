// quillmere-bundle-pack: makes the portable player, the start-up program followed
// by a bundle of a folder's files (see collect_bundle).
//   quillmere-bundle-pack STUB FOLDER OUTPUT [LEVEL]
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bundle_format.h"
#include "zstd_streams.h"

namespace quill::portable {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw BundleError("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(int fd, const uint8_t* data, size_t size, const std::string& path) {
  for (size_t done = 0; done < size;) {
    const ssize_t n = ::write(fd, data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw BundleError("cannot write " + path + ": " + std::strerror(errno));
    done += size_t(n);
  }
}

// The folder's regular files by relative path, in a fixed order so the same files
// always make the same bundle.
std::vector<fs::path> FilesOf(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_directory()) continue;
    if (!entry.is_regular_file() || entry.is_symlink())
      throw BundleError("only plain files can be bundled: " + entry.path().string());
    files.push_back(fs::relative(entry.path(), folder));
  }
  std::sort(files.begin(), files.end());
  return files;
}

void Pack(const fs::path& stub, const fs::path& folder, const std::string& output, int level) {
  const std::vector<uint8_t> program = ReadFile(stub);
  if (program.size() < 64 || ElfImageEnd(std::span<const uint8_t, 64>(program.data(), 64)) != program.size())
    throw BundleError(stub.string() + " does not end with its section headers");

  const int fd = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0755);
  if (fd < 0) throw BundleError("cannot create " + output + ": " + std::strerror(errno));
  WriteAll(fd, program.data(), program.size(), output);
  const std::array<uint8_t, kBundleHeaderSize> placeholder{};
  WriteAll(fd, placeholder.data(), placeholder.size(), output);

  ZstdFileSink sink(fd, level);
  ArchiveWriter archive(sink);
  for (const fs::path& file : FilesOf(folder)) {
    const fs::perms perms = fs::status(folder / file).permissions();
    archive.Add(file.generic_string(), (perms & fs::perms::owner_exec) != fs::perms::none, ReadFile(folder / file));
  }
  archive.Finish();
  BundleHeader header;
  header.ContentHash = sink.Finish();
  header.CompressedSize = sink.CompressedSize();
  const auto bytes = EncodeBundleHeader(header);
  if (::pwrite(fd, bytes.data(), bytes.size(), off_t(program.size())) != ssize_t(bytes.size()) || ::close(fd) != 0)
    throw BundleError("cannot write " + output);
  ::chmod(output.c_str(), 0755);
  std::printf("quillmere-bundle-pack: %s: %llu bytes of bundle, key %s\n", output.c_str(),
              static_cast<unsigned long long>(header.CompressedSize), header.Key().c_str());
}

}  // namespace
}  // namespace quill::portable

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: quillmere-bundle-pack STUB FOLDER OUTPUT [LEVEL]\n");
    return 2;
  }
  try {
    quill::portable::Pack(argv[1], argv[2], argv[3], argc == 5 ? std::atoi(argv[4]) : 9);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quillmere-bundle-pack: %s\n", error.what());
    std::remove(argv[3]);
    return 1;
  }
}
