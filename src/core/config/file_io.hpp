#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace vertanum::config {

// Configuration files are a few tens of kilobytes; anything far larger is not one.
inline constexpr std::size_t kMaxConfigFileSize = 16 * 1024 * 1024;

// What went wrong with a file, in Russian, for a message box.
struct FileError {
    std::string message;
};

bool FileExists(const std::string& path);

// Reads a whole file. Nothing (and the reason) when it cannot be read or exceeds `max_size`.
std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t max_size,
                                         FileError* error);

// Replaces the file at `path` with `bytes` so that the file is either the old one or the new one,
// never something in between: the bytes go to a temporary file in the same folder, are flushed
// to the disk and then renamed over the old file. A symbolic link is followed, so the link stays.
// The old file's permissions are kept.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, FileError* error);

// Copies a file, replacing the target atomically; used for .BAK copies.
bool CopyFileAtomically(const std::string& from, const std::string& to, FileError* error);

// The Russian description of an errno value.
std::string DescribeErrno(int error_number);

}  // namespace vertanum::config
