#include "config/configuration_file.hpp"

#include <cstdio>
#include <limits>

#include "text/cp1251.hpp"

namespace vertanum::config {

std::optional<std::int32_t> ParseProfileInteger(std::string_view t) {
    bool negative = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    unsigned base = 10;
    if (t.starts_with("0x") || t.starts_with("0X")) {
        base = 16;
        t.remove_prefix(2);
    } else if (t.starts_with("$")) {
        base = 16;
        t.remove_prefix(1);
    }
    if (t.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : t) {
        unsigned digit;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    // Hexadecimal may spell the full 32 bits (0xFFFFFFFF is -1); decimal must fit a signed int.
    if (base == 10 && value > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return std::nullopt;
    auto bits = static_cast<std::uint32_t>(value);
    if (negative) bits = ~bits + 1u;
    return static_cast<std::int32_t>(bits);
}

std::string ByteKey(unsigned address) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%04X", address & 0xFFFFu);
    return buf;
}

std::string WordKey(unsigned word_address) {
    return ByteKey(word_address) + "*2";
}

std::optional<ConfigurationFile> ConfigurationFile::Open(const std::string& path,
                                                         FileError* error) {
    ConfigurationFile file(path);
    if (!FileExists(path)) return file;
    auto bytes = ReadWholeFile(path, kMaxConfigFileSize, error);
    if (!bytes) return std::nullopt;
    file.doc_ = IniDocument::Parse(*bytes);
    return file;
}

std::string ConfigurationFile::ReadString(std::string_view section, std::string_view key,
                                          std::string_view fallback) const {
    auto value = doc_.Get(text::Utf8ToCp1251OrThrow(section), text::Utf8ToCp1251OrThrow(key));
    if (!value) return std::string(fallback);
    return text::Cp1251ToUtf8(*value);
}

std::int32_t ConfigurationFile::ReadInteger(std::string_view section, std::string_view key,
                                            std::int32_t fallback) const {
    auto value = doc_.Get(text::Utf8ToCp1251OrThrow(section), text::Utf8ToCp1251OrThrow(key));
    if (!value) return fallback;
    return ParseProfileInteger(*value).value_or(fallback);
}

void ConfigurationFile::WriteString(std::string_view section, std::string_view key,
                                    std::string_view value) {
    doc_.Set(text::Utf8ToCp1251OrThrow(section), text::Utf8ToCp1251OrThrow(key),
             text::Utf8ToCp1251OrThrow(value));
}

void ConfigurationFile::WriteInteger(std::string_view section, std::string_view key,
                                     std::int64_t value) {
    doc_.Set(text::Utf8ToCp1251OrThrow(section), text::Utf8ToCp1251OrThrow(key),
             std::to_string(value));
}

bool ConfigurationFile::Save(FileError* error) const {
    return WriteFileAtomically(path_, doc_.Serialize(), error);
}

}  // namespace vertanum::config
