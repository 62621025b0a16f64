// A gift packed for sending: a zip archive holding the gift as one executable file.
// A file downloaded from the web or a mail loses its execute bit, so a bare gift does
// not start on a double-click; a zip entry made on Unix keeps its mode in the central
// directory, and file managers and unzip extract it runnable.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace quill {

// True when `path` names a zip archive (ends in ".zip", any case).
bool IsZipPath(const std::string& path);

// The name of the gift inside the archive at `zipPath`: its file name less ".zip"
// ("Garden.zip" holds "Garden").
std::string ZipEntryName(const std::string& zipPath);

// A zip archive of one file, `entryName`, holding `contents` with mode -rwxr-xr-x,
// made on Unix, dated `dosDate`/`dosTime` (MS-DOS format). The contents are deflated
// when that makes them smaller, stored otherwise. Raises UserError for files a zip
// without 64-bit extensions cannot hold (4 GB and more).
std::vector<uint8_t> ExecutableZip(const std::string& entryName, const std::vector<uint8_t>& contents,
                                   uint16_t dosDate, uint16_t dosTime);

// Writes ExecutableZip of `contents`, dated now, to `zipPath` through a temporary
// file beside it; returns the archive's size. Raises UserError when it cannot be
// written, leaving no partial archive.
int64_t WriteExecutableZip(const std::string& zipPath, const std::string& entryName,
                           const std::vector<uint8_t>& contents);

}  // namespace quill
