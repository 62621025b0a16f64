// Gifts packed for sending: the zip archive's one entry is the gift, executable,
// marked as made on Unix, readable by zipinfo and Python's zipfile when they are
// installed, and a gift made with -o NAME.zip extracts to the same bytes.
#include "gift_zip.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "gift_maker.h"
#include "picture_samples.h"

namespace quill {
namespace {

using namespace quill::testing;
namespace fs = std::filesystem;

uint32_t U32At(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t{bytes[at + 3]} << 24;
}

// The output of a shell command, or nullopt when it did not exit 0.
std::optional<std::string> Output(const std::string& command) {
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return std::nullopt;
  std::string text;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
  return ::pclose(pipe) == 0 ? std::optional(text) : std::nullopt;
}

bool Have(const char* tool) { return std::system((std::string("command -v ") + tool + " >/dev/null").c_str()) == 0; }

struct ZipCase {
  const char* name;
  std::vector<uint8_t> contents;
  uint16_t method;  // 8: deflated, 0: stored
};

class ExecutableZipTest : public ::testing::TestWithParam<ZipCase> {
 protected:
  fs::path dir = fs::temp_directory_path() / ("gift_zip_" + std::to_string(::getpid()));
  ExecutableZipTest() { fs::create_directories(dir); }
  ~ExecutableZipTest() override { fs::remove_all(dir); }
};

// A program compresses; noise (as a JPEG's data nearly is) does not and is stored: either way the entry reads
// back whole and its mode is -rwxr-xr-x from a Unix host.
TEST_P(ExecutableZipTest, HoldsTheFileExecutable) {
  const ZipCase& c = GetParam();
  const std::vector<uint8_t> zip = ExecutableZip("Garden été", c.contents, (46 << 9) | (12 << 5) | 11, 0);
  const size_t end = zip.size() - 22;
  ASSERT_EQ(U32At(zip, end), 0x06054b50u);
  const size_t central = U32At(zip, end + 16);
  EXPECT_EQ(zip[central + 5], 3) << "made by Unix";
  EXPECT_EQ(zip[central + 10], c.method);
  EXPECT_EQ(U32At(zip, central + 38) >> 16, 0100755u);

  const fs::path archive = dir / "gift.zip";
  WriteFile(archive, zip);
  if (Have("zipinfo")) {
    const auto listing = Output("zipinfo '" + archive.string() + "'");
    ASSERT_TRUE(listing);
    EXPECT_NE(listing->find("-rwxr-xr-x"), std::string::npos) << *listing;
    EXPECT_NE(listing->find("unx"), std::string::npos) << *listing;
  }
  if (Have("unzip")) {
    ASSERT_TRUE(Output("cd '" + dir.string() + "' && unzip -q gift.zip"));
    EXPECT_EQ(ReadWholeFile((dir / "Garden été").string()), c.contents);
    EXPECT_EQ(fs::status(dir / "Garden été").permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
  }
  if (Have("python3")) {
    const auto checked = Output("python3 -c \"import zipfile,sys; z=zipfile.ZipFile(sys.argv[1]); "
                                "i=z.infolist()[0]; print(z.testzip(), oct(i.external_attr >> 16), i.create_system)\" '" +
                                archive.string() + "'");
    ASSERT_TRUE(checked);
    EXPECT_EQ(*checked, "None 0o100755 3\n");
  }
}

std::vector<uint8_t> ProgramLike() {
  std::vector<uint8_t> bytes;
  for (int i = 0; i < 200000; ++i) bytes.push_back(static_cast<uint8_t>("\x7f" "ELF mov call ret"[i % 16]));
  return bytes;
}

std::vector<uint8_t> Noise(size_t size) {
  std::vector<uint8_t> bytes(size);
  uint32_t state = 12345;
  for (uint8_t& b : bytes) b = static_cast<uint8_t>((state = state * 1103515245 + 12345) >> 23);
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(Contents, ExecutableZipTest,
                         ::testing::Values(ZipCase{"Program", ProgramLike(), 8},
                                           ZipCase{"Noise", Noise(50000), 0},
                                           ZipCase{"Empty", {}, 0}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(ZipPath, NamesTheGiftInside) {
  struct Case {
    const char* path;
    bool zip;
    const char* entry;
  };
  for (const Case& c : {Case{"/home/ann/Garden.zip", true, "Garden"}, Case{"Garden.ZIP", true, "Garden"},
                        Case{"/tmp/.zip", true, "gift"}, Case{"Garden", false, "Garden"},
                        Case{"zip", false, "zip"}}) {
    EXPECT_EQ(IsZipPath(c.path), c.zip) << c.path;
    EXPECT_EQ(ZipEntryName(c.path), c.entry) << c.path;
  }
}

}  // namespace
}  // namespace quill
