// Stands in for the player in tests of the portable start-up program: prints how it
// was started, one "name=value" line each.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  const char* gift = std::getenv("QUILLMERE_GIFT_FILE");
  const char* libraryPath = std::getenv("LD_LIBRARY_PATH");
  char exe[4096] = {};
  if (::readlink("/proc/self/exe", exe, sizeof exe - 1) < 0) exe[0] = '\0';
  std::printf("gift=%s\n", gift ? gift : "(unset)");
  std::printf("ld_library_path=%s\n", libraryPath ? libraryPath : "(unset)");
  std::printf("exe=%s\n", exe);
  std::printf("argv0=%s\n", argv[0]);
  for (int i = 1; i < argc; ++i) std::printf("arg=%s\n", argv[i]);
  return 0;
}
