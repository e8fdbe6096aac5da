#include "resources/intel_hex.hpp"

#include <cstdio>

namespace vertanum::resources {
namespace {

constexpr std::size_t kMaxImage = 16 * 1024 * 1024;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

void AppendRecord(std::string& out, std::uint8_t type, std::uint16_t address,
                  const std::uint8_t* data, std::size_t count) {
    char buf[16];
    unsigned sum = static_cast<unsigned>(count) + (address >> 8) + (address & 0xFF) + type;
    std::snprintf(buf, sizeof buf, ":%02X%04X%02X", static_cast<unsigned>(count), address, type);
    out += buf;
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(buf, sizeof buf, "%02X", data[i]);
        out += buf;
        sum += data[i];
    }
    std::snprintf(buf, sizeof buf, "%02X\r\n", (0x100 - (sum & 0xFF)) & 0xFF);
    out += buf;
}

}  // namespace

std::string WriteIntelHex(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    std::uint32_t upper = 0;
    for (std::size_t offset = 0; offset < bytes.size(); offset += 16) {
        auto address = static_cast<std::uint32_t>(offset);
        if ((address >> 16) != upper) {
            upper = address >> 16;
            const std::uint8_t ext[2] = {static_cast<std::uint8_t>(upper >> 8),
                                         static_cast<std::uint8_t>(upper)};
            AppendRecord(out, 0x04, 0, ext, 2);
        }
        std::size_t count = std::min<std::size_t>(16, bytes.size() - offset);
        AppendRecord(out, 0x00, static_cast<std::uint16_t>(address & 0xFFFF), &bytes[offset],
                     count);
    }
    AppendRecord(out, 0x01, 0, nullptr, 0);
    return out;
}

std::optional<std::vector<std::uint8_t>> ReadIntelHex(std::string_view text, std::string* error) {
    auto fail = [&](std::size_t line,
                    const std::string& why) -> std::optional<std::vector<std::uint8_t>> {
        if (error) *error = "строка " + std::to_string(line) + " файла Intel HEX: " + why;
        return std::nullopt;
    };
    std::vector<std::uint8_t> image;
    std::vector<bool> written;
    std::uint32_t base = 0;
    bool ended = false;
    std::size_t line_number = 0;
    std::size_t pos = 0;
    while (pos < text.size() && !ended) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++line_number;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
        if (line.empty()) continue;
        if (line.front() != ':' || line.size() < 11 || (line.size() - 1) % 2 != 0) {
            return fail(line_number, "неверная запись");
        }
        std::vector<std::uint8_t> rec;
        for (std::size_t i = 1; i < line.size(); i += 2) {
            int hi = HexDigit(line[i]);
            int lo = HexDigit(line[i + 1]);
            if (hi < 0 || lo < 0) return fail(line_number, "не шестнадцатеричная цифра");
            rec.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
        }
        std::size_t count = rec[0];
        if (rec.size() != count + 5) return fail(line_number, "неверная длина записи");
        unsigned sum = 0;
        for (auto b : rec) sum += b;
        if ((sum & 0xFF) != 0) return fail(line_number, "неверная контрольная сумма");
        std::uint32_t address = (static_cast<std::uint32_t>(rec[1]) << 8) | rec[2];
        switch (rec[3]) {
            case 0x00: {
                std::uint32_t start = base + address;
                if (start + count > kMaxImage) return fail(line_number, "адрес слишком велик");
                if (image.size() < start + count) {
                    image.resize(start + count, 0xFF);
                    written.resize(start + count, false);
                }
                for (std::size_t i = 0; i < count; ++i) image[start + i] = rec[4 + i];
                break;
            }
            case 0x01:
                ended = true;
                break;
            case 0x02:
                if (count != 2) return fail(line_number, "неверная запись адреса");
                base = ((static_cast<std::uint32_t>(rec[4]) << 8) | rec[5]) << 4;
                break;
            case 0x04:
                if (count != 2) return fail(line_number, "неверная запись адреса");
                base = ((static_cast<std::uint32_t>(rec[4]) << 8) | rec[5]) << 16;
                break;
            case 0x03:
            case 0x05:
                break;  // start addresses mean nothing to a memory image
            default:
                return fail(line_number, "неизвестный тип записи");
        }
    }
    if (!ended) return fail(line_number, "нет записи конца файла");
    return image;
}

}  // namespace vertanum::resources
