#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/file_io.hpp"
#include "config/ini_document.hpp"

namespace vertanum::config {

inline constexpr std::string_view kDevicesSection = "DEVICES";
inline constexpr std::string_view kMemorySection = "MEMORY";

// Reads an integer the way the program always has: optional sign, then decimal digits, or
// hexadecimal after "0x", "0X" or "$". Nothing for anything else, including a number that does
// not fit 32 bits.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text);

// "$" and four upper-case hexadecimal digits: the key of one stored byte.
std::string ByteKey(unsigned address);
// "$" and four digits and "*2": the key of the low byte of a program word.
std::string WordKey(unsigned word_address);

// One configuration file (.qcf): its INI text in Windows-1251, with names and values in UTF-8 on
// this side. Changes stay in memory until Save().
class ConfigurationFile {
  public:
    // A document for `path` that starts empty, for a new file.
    explicit ConfigurationFile(std::string path) : path_(std::move(path)) {}

    // Reads the file at `path`; a file that does not exist yet opens empty. Nothing (and the
    // reason) when the file exists but cannot be read.
    static std::optional<ConfigurationFile> Open(const std::string& path, FileError* error);

    const std::string& Path() const { return path_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // The integer of a key; `fallback` for a missing, empty or non-numeric value.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t fallback) const;
    // The byte of a key: the integer's low 8 bits, with no range check (300 gives 44).
    std::uint8_t ReadByte(std::string_view section, std::string_view key,
                          std::uint8_t fallback) const {
        return static_cast<std::uint8_t>(ReadInteger(section, key, fallback) & 0xFF);
    }

    // Throws std::invalid_argument for a value that Windows-1251 cannot hold.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int64_t value);

    // Writes the document to its path atomically. False (and the reason) when that failed; the
    // file on disk is then exactly as it was.
    bool Save(FileError* error) const;

    const IniDocument& Document() const { return doc_; }

  private:
    std::string path_;
    IniDocument doc_;
};

}  // namespace vertanum::config
