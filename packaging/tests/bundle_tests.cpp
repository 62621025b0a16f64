// The portable player's bundle: the hash that names its cache folder, finding it
// after the start-up program, unpacking it into the cache once, and refusing
// damaged or unsafe bundles without leaving anything behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <map>

#include "branch_filter.h"
#include "common/interface_language.h"
#include "bundle_cache.h"
#include "bundle_format.h"
#include "error_window.h"
#include "sha256.h"
#include "zstd_streams.h"

namespace quill::portable {
namespace {

namespace fs = std::filesystem;

std::string Hex(const Sha256::Digest& digest) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text;
  for (uint8_t byte : digest) text += {kHex[byte >> 4], kHex[byte & 15]};
  return text;
}

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::string ReadFileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::vector<uint8_t>& data) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
}

TEST(Sha256Test, KnownDigests) {
  struct Case {
    std::string input;
    size_t piece;  // added in pieces of this size, across block boundaries
    const char* digest;
  };
  const Case cases[] = {
      {"", 1, "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", 1, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", 7,
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {std::string(1000000, 'a'), 4093, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const Case& c : cases) {
    Sha256 hash;
    for (size_t at = 0; at < c.input.size(); at += c.piece)
      hash.Add(reinterpret_cast<const uint8_t*>(c.input.data()) + at, std::min(c.piece, c.input.size() - at));
    EXPECT_EQ(Hex(hash.Finish()), c.digest) << c.input.size() << " bytes";
  }
}

TEST(ElfImageEndTest, TheStartUpProgramEndsWithItsSectionHeaders) {
  const std::vector<uint8_t> stub = ReadFile(QUILL_PORTABLE_STUB);
  ASSERT_GE(stub.size(), 64u);
  EXPECT_EQ(ElfImageEnd(std::span<const uint8_t, 64>(stub.data(), 64)), stub.size());
  std::vector<uint8_t> notElf = stub;
  notElf[1] = 'X';
  EXPECT_THROW(ElfImageEnd(std::span<const uint8_t, 64>(notElf.data(), 64)), BundleError);
}

// Branches made absolute and back give the bytes they started from, in real
// programs and in made-up code where calls follow one another and sit at the end.
TEST(BranchFilterTest, DecodingGivesBackTheBytes) {
  std::vector<uint8_t> madeUp;
  for (int i = 0; i < 4000; ++i) {
    const uint8_t pattern[] = {0xE8, uint8_t(i), 0x10, 0x00, 0x00, 0xE9, 0xE8, 0xE8, 0xFF, 0xFF, 0x90, 0xE8, 0x01,
                               0x02, 0x03, 0x04};
    madeUp.insert(madeUp.end(), std::begin(pattern), std::end(pattern));
  }
  madeUp.insert(madeUp.end(), {0xE8, 0x00, 0x00});
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    CodeRange range;
  };
  const std::vector<uint8_t> stub = ReadFile(QUILL_PORTABLE_STUB);
  const std::vector<uint8_t> self = ReadFile("/proc/self/exe");
  const Case cases[] = {
      {"the start-up program", stub, X86CodeRange(stub)},
      {"this test program", self, X86CodeRange(self)},
      {"made-up code", madeUp, {3, madeUp.size()}},
  };
  for (const Case& c : cases) {
    ASSERT_LT(c.range.Begin, c.range.End) << c.what << ": no code found";
    std::vector<uint8_t> bytes = c.bytes;
    FilterBranches(bytes, c.range, true);
    EXPECT_NE(bytes, c.bytes) << c.what << ": no branch was changed";
    FilterBranches(bytes, c.range, false);
    EXPECT_EQ(bytes, c.bytes) << c.what;
  }
  EXPECT_EQ(X86CodeRange(Bytes("not a program")).End, 0u);
}

TEST(ArchivePathTest, OnlyPlainRelativePathsAreSafe) {
  for (const char* path : {"bin/quillmere-gift", "lib/libc.so.6", "plugins/platforms/libqxcb.so", "a..b/c"})
    EXPECT_TRUE(IsSafeArchivePath(path)) << path;
  for (const char* path : {"", "/etc/passwd", "../escape", "lib/../../escape", "lib//x", "./x", "lib/.", "lib/"})
    EXPECT_FALSE(IsSafeArchivePath(path)) << path;
  EXPECT_FALSE(IsSafeArchivePath(std::string("lib/a\0b", 7)));
}

TEST(CacheRootTest, FollowsTheXdgRules) {
  EXPECT_EQ(CacheRoot("/data/cache", "/home/ann"), "/data/cache");
  EXPECT_EQ(CacheRoot("relative/cache", "/home/ann"), "/home/ann/.cache");  // relative paths are ignored
  EXPECT_EQ(CacheRoot("", "/home/ann"), "/home/ann/.cache");
  EXPECT_EQ(CacheRoot(nullptr, "/home/ann"), "/home/ann/.cache");
  EXPECT_THROW(CacheRoot(nullptr, nullptr), BundleError);
  EXPECT_THROW(CacheRoot(nullptr, "home"), BundleError);
}

struct FileEntry {
  std::string path;
  bool executable;
  std::string content;
};

class BundleCacheTest : public ::testing::Test {
 protected:
  void SetUp() override {
    work_ = fs::path(::testing::TempDir()) /
            ("bundle_cache_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(work_);
    fs::create_directories(work_);
    cache_ = (work_ / "cache").string();
  }
  void TearDown() override { fs::remove_all(work_); }

  // A portable file: the real start-up program, a bundle whose archive `body`
  // writes after the archive's magic, and a trailer standing in for the gift.
  BundleHeader MakePortableWith(const fs::path& path, const std::function<void(ArchiveWriter&, ByteSink&)>& body,
                                const std::string& trailer = "gift") {
    WriteFile(path, ReadFile(QUILL_PORTABLE_STUB));
    const int fd = ::open(path.c_str(), O_WRONLY);
    ::lseek(fd, 0, SEEK_END);
    const std::array<uint8_t, kBundleHeaderSize> placeholder{};
    EXPECT_EQ(::write(fd, placeholder.data(), placeholder.size()), ssize_t(placeholder.size()));
    ZstdFileSink sink(fd, 3);
    ArchiveWriter archive(sink);
    body(archive, sink);
    BundleHeader header;
    header.ContentHash = sink.Finish();
    header.CompressedSize = sink.CompressedSize();
    EXPECT_EQ(::write(fd, trailer.data(), trailer.size()), ssize_t(trailer.size()));
    const auto bytes = EncodeBundleHeader(header);
    EXPECT_EQ(::pwrite(fd, bytes.data(), bytes.size(), off_t(fs::file_size(QUILL_PORTABLE_STUB))),
              ssize_t(bytes.size()));
    ::close(fd);
    return header;
  }

  BundleHeader MakePortable(const fs::path& path, const std::vector<FileEntry>& files,
                            const std::string& trailer = "gift") {
    return MakePortableWith(path, [&](ArchiveWriter& archive, ByteSink&) {
      for (const FileEntry& f : files) archive.Add(f.path, f.executable, Bytes(f.content));
      archive.Finish();
    }, trailer);
  }

  // What is left in the cache's folder of unpacked players.
  std::vector<std::string> CacheEntries() const {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(fs::path(cache_) / "quillmere-gift", error))
      names.push_back(entry.path().filename().string());
    return names;
  }

  const std::vector<FileEntry> player_ = {
      {"bin/quillmere-gift", true, "the player"},
      {"bin/a-real-program", true, std::string(ReadFileText(QUILL_PORTABLE_STUB))},
      {"lib/ld-linux-x86-64.so.2", true, "the loader"},
      {"lib/libQt6Core.so.6", false, std::string(100000, 'q')},
      {"plugins/platforms/libqxcb.so", false, "xcb"},
  };
  fs::path work_;
  std::string cache_;
};

TEST_F(BundleCacheTest, UnpacksEveryFileWithItsModeIntoAFolderNamedByTheContent) {
  const BundleHeader header = MakePortable(work_ / "gift", player_);
  const std::string folder = EnsureUnpacked((work_ / "gift").string(), cache_);
  EXPECT_EQ(folder, (fs::path(cache_) / "quillmere-gift" / header.Key()).string());
  EXPECT_EQ(header.Key(), Hex(header.ContentHash).substr(0, 32));
  for (const FileEntry& f : player_) {
    const fs::path file = fs::path(folder) / f.path;
    EXPECT_EQ(ReadFile(file), Bytes(f.content)) << f.path;
    const bool executable = (fs::status(file).permissions() & fs::perms::owner_exec) != fs::perms::none;
    EXPECT_EQ(executable, f.executable) << f.path;
  }
  EXPECT_EQ(CacheEntries(), std::vector<std::string>{header.Key()});
  struct stat info {};
  ASSERT_EQ(::stat((fs::path(cache_) / "quillmere-gift").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u) << "the cache folder is the user's own";
}

TEST_F(BundleCacheTest, GiftsWithTheSameBundleShareOneCopyAndOtherBundlesGetTheirOwn) {
  MakePortable(work_ / "first", player_, "first gift");
  MakePortable(work_ / "second", player_, "another gift altogether");
  const std::string folder = EnsureUnpacked((work_ / "first").string(), cache_);
  struct stat before {};
  ::stat((fs::path(folder) / "bin/quillmere-gift").c_str(), &before);
  EXPECT_EQ(EnsureUnpacked((work_ / "second").string(), cache_), folder);
  struct stat after {};
  ::stat((fs::path(folder) / "bin/quillmere-gift").c_str(), &after);
  EXPECT_EQ(before.st_ino, after.st_ino) << "the copy in the cache was made again";

  std::vector<FileEntry> newer = player_;
  newer[0].content = "a newer player";
  MakePortable(work_ / "newer", newer);
  EXPECT_NE(EnsureUnpacked((work_ / "newer").string(), cache_), folder);
  EXPECT_EQ(CacheEntries().size(), 2u);
}

// Each player version leaves its own copy; a start removes the copies of other
// bundles and leftovers of unpacking that went unused for longer than the lifetime,
// and keeps its own copy, recently used ones and plain files.
TEST_F(BundleCacheTest, CopiesUnusedForLongAreRemovedAtTheNextStart) {
  MakePortable(work_ / "old", player_);
  std::vector<FileEntry> newer = player_;
  newer[0].content = "the newer player";
  MakePortable(work_ / "current", newer);
  const fs::path old = EnsureUnpacked((work_ / "old").string(), cache_);
  std::vector<FileEntry> other = player_;
  other[0].content = "a player used last week";
  MakePortable(work_ / "used", other);
  const fs::path used = EnsureUnpacked((work_ / "used").string(), cache_);
  const fs::path current = EnsureUnpacked((work_ / "current").string(), cache_);
  const fs::path folder = current.parent_path();
  fs::create_directories(folder / ".leftover.Ab12Cd/bin");
  std::ofstream(folder / "notes") << "not a copy";

  const auto daysAgo = [](int days) { return fs::file_time_type::clock::now() - std::chrono::hours(24 * days); };
  for (const fs::path& path : {old, folder / ".leftover.Ab12Cd", current, folder / "notes"})
    fs::last_write_time(path, daysAgo(61));
  fs::last_write_time(used, daysAgo(61));
  MarkUsed(used.string());

  RemoveUnusedCopies(current.string(), kUnusedCopyLifetime);
  std::vector<std::string> left = CacheEntries();
  std::sort(left.begin(), left.end());
  std::vector<std::string> expected{current.filename().string(), used.filename().string(), "notes"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(left, expected);
  EXPECT_TRUE(fs::is_regular_file(current / kBundledPlayer)) << "the copy in use stays whole";
}

// What cleaners, full disks and stopped copies do to a copy in the cache: each
// copy is unpacked again at the next start, and a whole copy is left alone.
TEST_F(BundleCacheTest, ACopyWithAFileMissingEmptiedOrCutShortIsUnpackedAgain) {
  struct Damage {
    const char* what;
    std::function<void(const fs::path&)> apply;
  };
  const Damage damages[] = {
      {"the player removed", [](const fs::path& f) { fs::remove(f / kBundledPlayer); }},
      {"a library removed", [](const fs::path& f) { fs::remove(f / "lib/libQt6Core.so.6"); }},
      {"a library emptied", [](const fs::path& f) { fs::resize_file(f / "lib/libQt6Core.so.6", 0); }},
      {"a library cut short", [](const fs::path& f) { fs::resize_file(f / "lib/libQt6Core.so.6", 4096); }},
      {"a plugin made longer", [](const fs::path& f) { fs::resize_file(f / "plugins/platforms/libqxcb.so", 9); }},
      {"the stamp removed (a copy of an older start-up program)",
       [](const fs::path& f) { fs::remove(f / kContentsStamp); }},
      {"the stamp cut short", [](const fs::path& f) { fs::resize_file(f / kContentsStamp, 10); }},
  };
  MakePortable(work_ / "gift", player_);
  for (const Damage& damage : damages) {
    const std::string folder = EnsureUnpacked((work_ / "gift").string(), cache_);
    ASSERT_TRUE(IsComplete(folder)) << damage.what;
    damage.apply(folder);
    EXPECT_FALSE(IsComplete(folder)) << damage.what;
    EXPECT_EQ(EnsureUnpacked((work_ / "gift").string(), cache_), folder) << damage.what;
    for (const FileEntry& f : player_) EXPECT_EQ(ReadFile(fs::path(folder) / f.path), Bytes(f.content)) << damage.what;
    EXPECT_EQ(CacheEntries().size(), 1u) << damage.what << ": the damaged copy was left beside the new one";
  }
  const std::string folder = EnsureUnpacked((work_ / "gift").string(), cache_);
  struct stat before {};
  ::stat((fs::path(folder) / kBundledPlayer).c_str(), &before);
  EnsureUnpacked((work_ / "gift").string(), cache_);
  struct stat after {};
  ::stat((fs::path(folder) / kBundledPlayer).c_str(), &after);
  EXPECT_EQ(before.st_ino, after.st_ino) << "a whole copy was unpacked again";
}

// The cache may be unusable (here: its path goes through a plain file, as it does
// through a read-only or full disk for the writes): the copy goes to the next
// place, later starts find it there, and nothing is left in the places that failed.
TEST_F(BundleCacheTest, PlacesThatCannotTakeTheCopyArePassedOver) {
  MakePortable(work_ / "gift", player_);
  const fs::path blocked = work_ / "blocked";
  WriteFile(blocked, Bytes("a file where the cache's folder should be"));
  const std::vector<std::string> roots = {(blocked / "cache").string(), (work_ / "runtime").string(),
                                          (work_ / "tmp").string()};
  const std::string folder = EnsureUnpackedSomewhere((work_ / "gift").string(), roots);
  EXPECT_EQ(fs::path(folder).parent_path().parent_path(), work_ / "runtime");
  EXPECT_TRUE(IsComplete(folder));
  EXPECT_FALSE(fs::exists(work_ / "tmp")) << "a place after the one used was touched";

  struct stat before {};
  ::stat((fs::path(folder) / kBundledPlayer).c_str(), &before);
  const std::vector<std::string> cacheFirst = {cache_, (work_ / "runtime").string()};
  EXPECT_EQ(EnsureUnpackedSomewhere((work_ / "gift").string(), cacheFirst), folder)
      << "a copy in a later place is used before unpacking into an earlier one";
  struct stat after {};
  ::stat((fs::path(folder) / kBundledPlayer).c_str(), &after);
  EXPECT_EQ(before.st_ino, after.st_ino);
  EXPECT_FALSE(fs::exists(cache_));

  try {
    EnsureUnpackedSomewhere((work_ / "gift").string(), {(blocked / "a").string(), (blocked / "b").string()});
    ADD_FAILURE() << "no place could take the copy, yet it was unpacked";
  } catch (const NoPlaceError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find((blocked / "a").string()), std::string::npos) << message;
    EXPECT_NE(message.find((blocked / "b").string()), std::string::npos) << message;
  }
}

TEST(UnpackRootsTest, CacheThenRuntimeFolderThenTemporaryFolders) {
  const std::string own = "/quillmere-" + std::to_string(::geteuid());
  EXPECT_EQ(UnpackRoots("/c", "/home/ann", "/run/user/7", "/scratch"),
            (std::vector<std::string>{"/c", "/run/user/7", "/scratch" + own, "/tmp" + own, "/var/tmp" + own,
                                      "/dev/shm" + own}));
  EXPECT_EQ(UnpackRoots(nullptr, nullptr, "relative", ""),
            (std::vector<std::string>{"/tmp" + own, "/var/tmp" + own, "/dev/shm" + own}));
}

TEST_F(BundleCacheTest, DamagedBundlesAreRefusedAndLeaveNothing) {
  const std::string trailer = "gift";
  const BundleHeader header = MakePortable(work_ / "good", player_, trailer);
  const std::vector<uint8_t> good = ReadFile(work_ / "good");
  const size_t bundleStart = fs::file_size(QUILL_PORTABLE_STUB) + kBundleHeaderSize;
  struct Damage {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> apply;
  };
  const Damage damages[] = {
      // The frame ends with a checksum of the files: changed, the files no longer match it.
      {"the checksum changed", [&](auto& b) { b[b.size() - trailer.size() - 1] ^= 0x01; }},
      {"more compressed data than the header says",
       [&](auto& b) { b[bundleStart - kBundleHeaderSize + 24] -= 1; }},
      {"cut in the middle of the bundle", [&](auto& b) { b.resize(bundleStart + header.CompressedSize / 2); }},
      {"cut inside the bundle header", [&](auto& b) { b.resize(bundleStart - 10); }},
      {"no bundle after the program", [&](auto& b) { b.resize(fs::file_size(QUILL_PORTABLE_STUB)); }},
      {"another bundle version", [&](auto& b) { b[bundleStart - kBundleHeaderSize + 16] = 2; }},
  };
  for (const Damage& damage : damages) {
    std::vector<uint8_t> bytes = good;
    damage.apply(bytes);
    WriteFile(work_ / "damaged", bytes);
    EXPECT_THROW(EnsureUnpacked((work_ / "damaged").string(), cache_), BundleError) << damage.what;
    EXPECT_TRUE(CacheEntries().empty()) << damage.what;
  }
  EXPECT_NO_THROW(EnsureUnpacked((work_ / "good").string(), cache_));
}

TEST_F(BundleCacheTest, ArchivesThatEscapeRepeatOrRunOnAreRefused) {
  // Entries written by hand, past the writer's own checks.
  auto entry = [](ByteSink& sink, const std::string& path, uint32_t mode, const std::string& data) {
    auto little = [&](uint64_t value, int bytes) {
      for (int i = 0; i < bytes; ++i) {
        const uint8_t byte = uint8_t(value >> (8 * i));
        sink.Write(&byte, 1);
      }
    };
    little(path.size(), 4);
    sink.Write(reinterpret_cast<const uint8_t*>(path.data()), path.size());
    little(mode, 4);
    little(data.size(), 8);
    sink.Write(reinterpret_cast<const uint8_t*>(data.data()), data.size());
  };
  struct Case {
    const char* what;
    std::function<void(ArchiveWriter&, ByteSink&)> body;
  };
  const std::string escaped = (work_ / "escaped").string();
  const Case cases[] = {
      {"a path out of the folder", [&](ArchiveWriter& a, ByteSink& s) { entry(s, "../../../escaped", 0644, "x"), a.Finish(); }},
      {"an absolute path", [&](ArchiveWriter& a, ByteSink& s) { entry(s, escaped, 0644, "x"), a.Finish(); }},
      {"a file twice",
       [&](ArchiveWriter& a, ByteSink& s) { entry(s, "bin/x", 0644, "1"), entry(s, "bin/x", 0644, "2"), a.Finish(); }},
      {"a set-user-id mode", [&](ArchiveWriter& a, ByteSink& s) { entry(s, "bin/x", 04755, "x"), a.Finish(); }},
      {"data after the end", [&](ArchiveWriter& a, ByteSink& s) { a.Finish(), entry(s, "bin/y", 0644, "y"); }},
      {"no end", [&](ArchiveWriter&, ByteSink& s) { entry(s, "bin/x", 0644, "x"); }},
  };
  for (const Case& c : cases) {
    MakePortableWith(work_ / "gift", c.body);
    EXPECT_THROW(EnsureUnpacked((work_ / "gift").string(), cache_), BundleError) << c.what;
    EXPECT_TRUE(CacheEntries().empty()) << c.what;
    EXPECT_FALSE(fs::exists(escaped)) << c.what;
  }
}

TEST_F(BundleCacheTest, AFreshCopyGivesWayToACompleteOneAndReplacesABrokenOne) {
  // What two starts of gifts with the same bundle meet when the other finished
  // unpacking first.
  struct Case {
    const char* what;
    std::vector<std::string> alreadyThere;  // files of the copy in place, if any
    std::string expectedPlayer;
  };
  const Case cases[] = {
      {"nothing there", {}, "fresh"},
      {"a complete copy", {kBundledPlayer, kBundledLoader, kContentsStamp}, "earlier"},
      {"a copy without its stamp", {kBundledPlayer, kBundledLoader}, "fresh"},
      {"a copy without its player", {kBundledLoader, kContentsStamp}, "fresh"},
  };
  for (const Case& c : cases) {
    const fs::path parent = fs::path(cache_) / "quillmere-gift";
    fs::remove_all(parent);
    const fs::path folder = parent / "key";
    const fs::path fresh = parent / ".key.fresh";
    fs::create_directories(fresh / "bin");
    fs::create_directories(fresh / "lib");
    WriteFile(fresh / kBundledPlayer, Bytes("fresh"));
    WriteFile(fresh / kBundledLoader, Bytes("loader"));
    for (const std::string& file : c.alreadyThere) {
      fs::create_directories((folder / file).parent_path());
      WriteFile(folder / file, Bytes("earlier"));
    }
    if (fs::exists(folder / kContentsStamp)) {
      std::string stamp;
      for (const char* file : {kBundledPlayer, kBundledLoader}) stamp += "7 " + std::string(file) + "\n";
      WriteFile(folder / kContentsStamp, Bytes(stamp));
    }
    MoveIntoPlace(fresh.string(), folder.string());
    EXPECT_EQ(ReadFile(folder / kBundledPlayer), Bytes(c.expectedPlayer)) << c.what;
    EXPECT_EQ(CacheEntries(), std::vector<std::string>{"key"}) << c.what;
  }
}

// The error window: the dialog tools are tried in turn from PATH until one shows
// the message; here each is a script that records its arguments.
class ErrorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bin_ = fs::path(::testing::TempDir()) / "error_window_bin";
    fs::remove_all(bin_);
    fs::create_directories(bin_);
    const char* path = std::getenv("PATH");
    savedPath_ = path ? path : "";
    ::setenv("PATH", bin_.c_str(), 1);
  }
  void TearDown() override {
    ::setenv("PATH", savedPath_.c_str(), 1);
    fs::remove_all(bin_);
  }
  // A tool that writes its arguments, one a line, to <name>.args and exits with `status`.
  void FakeTool(const std::string& name, int status) {
    const fs::path tool = bin_ / name;
    std::ofstream(tool) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\nexit " << status << "\n";
    fs::permissions(tool, fs::perms::owner_all);
  }
  std::vector<std::string> ArgumentsOf(const std::string& name) const {
    std::ifstream in(bin_ / (name + ".args"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  fs::path bin_;
  std::string savedPath_;
};

TEST_F(ErrorWindowTest, TheFirstToolThatShowsTheWindowIsUsed) {
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, int>> tools;  // installed, with their exit status
    std::string shown;                               // the tool that showed it, if any
  };
  const Case cases[] = {
      {"zenity, closed with OK", {{"zenity", 0}, {"kdialog", 0}}, "zenity"},
      {"zenity, window closed", {{"zenity", 1}, {"xmessage", 0}}, "zenity"},
      {"zenity failing to open a display", {{"zenity", 255}, {"kdialog", 0}}, "kdialog"},
      {"only xmessage", {{"xmessage", 0}}, "xmessage"},
      {"only notify-send", {{"notify-send", 0}}, "notify-send"},
      {"no tool at all", {}, ""},
  };
  const std::string text = "The gift is damaged; \"quotes\", $HOME and `back ticks` stay as they are";
  for (const Case& c : cases) {
    for (const auto& entry : fs::directory_iterator(bin_)) fs::remove(entry.path());
    for (const auto& [name, status] : c.tools) FakeTool(name, status);
    EXPECT_EQ(ShowErrorWindow(ErrorWindowCommands("Quillmere Gift", text)), !c.shown.empty()) << c.what;
    for (const auto& [name, status] : c.tools) {
      const std::vector<std::string> arguments = ArgumentsOf(name);
      const bool tried = !arguments.empty();
      const bool shouldBeTried = status != 0 && status != 1 ? true : name == c.shown;
      if (name == c.shown) {
        ASSERT_TRUE(tried) << c.what;
        EXPECT_NE(std::find_if(arguments.begin(), arguments.end(),
                               [&](const std::string& a) { return a.find(text) != std::string::npos; }),
                  arguments.end())
            << c.what << ": the text did not reach " << name << " whole";
      } else if (!shouldBeTried) {
        EXPECT_FALSE(tried) << c.what << ": " << name << " was run after the window was shown";
      }
    }
  }
  EXPECT_EQ(ErrorWindowCommands("T", "x")[0],
            (std::vector<std::string>{"zenity", "--error", "--no-markup", "--title=T", "--text=x"}));
}

TEST(ShouldShowErrorWindowTest, OnlyWithADisplayAndNoTerminal) {
  struct Case {
    const char* display;
    const char* wayland;
    bool terminal;
    bool shown;
  };
  const Case cases[] = {
      {":0", nullptr, false, true},   {nullptr, "wayland-0", false, true}, {":0", "wayland-0", true, false},
      {nullptr, nullptr, false, false}, {"", "", false, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ShouldShowErrorWindow(c.display, c.wayland, c.terminal), c.shown)
        << (c.display ? c.display : "-") << " " << (c.wayland ? c.wayland : "-") << " " << c.terminal;
}

TEST(PlainErrorMessageTest, SaysWhatToDoAndKeepsTheDetails) {
  const std::string damaged = PlainErrorMessage(BundleError("the bundle is cut short"), "");
  EXPECT_NE(damaged.find("damaged or incomplete"), std::string::npos) << damaged;
  EXPECT_NE(damaged.find("the bundle is cut short"), std::string::npos) << damaged;
  const std::string noPlace = PlainErrorMessage(NoPlaceError("no folder could take the player"), "");
  EXPECT_NE(noPlace.find("Free some disk space"), std::string::npos) << noPlace;
}

// The three kinds of error, as the start-up program meets them.
const std::exception& ErrorOfKind(int kind) {
  static const NoPlaceError noPlace("no folder could take the player");
  static const BundleError damaged("the bundle is cut short");
  static const std::runtime_error other("cannot start the player");
  const std::exception* errors[] = {&noPlace, &damaged, &other};
  return *errors[kind];
}

TEST(PlainErrorMessageTest, SpeaksTheInterfaceLanguageAndKeepsTheDetails) {
  struct Case {
    const char* language;
    int kind;
    const char* expected;
  };
  const Case cases[] = {
      {"de", 0,
       "Dieses Geschenk konnte nicht geöffnet werden: Es gibt keinen Ordner, in den sein Spielprogramm entpackt werden "
       "kann (es braucht etwa 60 MB). Schaffen Sie etwas Platz in Ihrem persönlichen Ordner und öffnen Sie das "
       "Geschenk erneut.\n\nEinzelheiten: no folder could take the player"},
      {"de", 1,
       "Dieses Geschenk konnte nicht geöffnet werden: Die Datei ist beschädigt oder unvollständig. Laden Sie sie "
       "erneut herunter oder bitten Sie den Absender, sie noch einmal zu schicken.\n\nEinzelheiten: the bundle is cut "
       "short"},
      {"de", 2, "Dieses Geschenk konnte nicht geöffnet werden.\n\nEinzelheiten: cannot start the player"},
      {"pl", 0,
       "Nie udało się otworzyć tego prezentu: nie ma folderu, w którym można rozpakować jego program gry (potrzebuje "
       "około 60 MB). Zwolnij trochę miejsca w folderze domowym i otwórz prezent ponownie.\n\nSzczegóły: no folder "
       "could take the player"},
      {"pl", 1,
       "Nie udało się otworzyć tego prezentu: plik jest uszkodzony lub niekompletny. Pobierz go ponownie albo poproś "
       "nadawcę o ponowne wysłanie.\n\nSzczegóły: the bundle is cut short"},
      {"pl", 2, "Nie udało się otworzyć tego prezentu.\n\nSzczegóły: cannot start the player"},
      {"ru", 0,
       "Не удалось открыть этот подарок: нет папки, куда можно распаковать его программу игры (ей нужно около 60 МБ). "
       "Освободите место на диске в домашней папке и откройте подарок снова.\n\nПодробности: no folder could take "
       "the player"},
      {"ru", 1,
       "Не удалось открыть этот подарок: файл повреждён или неполон. Скачайте его ещё раз или попросите отправителя "
       "прислать его снова.\n\nПодробности: the bundle is cut short"},
      {"ru", 2, "Не удалось открыть этот подарок.\n\nПодробности: cannot start the player"},
      {"", 2, "This gift could not be opened.\n\nDetails: cannot start the player"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.language << " " << c.kind);
    EXPECT_EQ(PlainErrorMessage(ErrorOfKind(c.kind), c.language), c.expected);
  }
}

// The table the build makes from the catalogues holds every text in every language.
TEST(PlainErrorMessageTest, EveryInterfaceLanguageHasItsOwnMessages) {
  for (const std::string_view language : kInterfaceLanguages)
    for (int kind = 0; kind < 3; ++kind) {
      SCOPED_TRACE(::testing::Message() << language << " " << kind);
      const std::string english = PlainErrorMessage(ErrorOfKind(kind), "");
      const std::string translated = PlainErrorMessage(ErrorOfKind(kind), language);
      EXPECT_NE(translated, english);
    }
}

// The start-up program chooses its language from the locale variables as the
// player does, through the same function.
TEST(PlainErrorMessageTest, TheLanguageFollowsTheLocaleVariables) {
  using Variables = std::map<std::string, std::string>;
  const std::pair<Variables, const char*> cases[] = {
      {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "pl:de"}}, "Nie udało się otworzyć tego prezentu."},
      {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "C"}}, "This gift could not be opened."},
      {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "ru_RU.UTF-8"}}, "Не удалось открыть этот подарок."},
      {{{"LANG", "pt_BR.UTF-8"}}, "Não foi possível abrir este presente."},
      {{{"LANG", "pt_PT.UTF-8"}}, "Não foi possível abrir este presente."},
      {{{"LANG", "ja_JP.UTF-8"}}, "This gift could not be opened."},
      {{}, "This gift could not be opened."},
  };
  for (const auto& [variables, expected] : cases) {
    std::string described;
    for (const auto& [name, value] : variables) described += name + "=" + value + " ";
    SCOPED_TRACE(described);
    const std::string language = InterfaceLanguage([&variables](const char* name) {
      const auto found = variables.find(name);
      return found == variables.end() ? std::string() : found->second;
    });
    const std::string message = PlainErrorMessage(ErrorOfKind(2), language);
    EXPECT_EQ(message.substr(0, message.find('\n')), expected);
  }
}

}  // namespace
}  // namespace quill::portable
