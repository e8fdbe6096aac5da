#include "devices/krv/krv_editor.hpp"

#include <cstdio>

#include "framework/conversion_error.hpp"
#include "framework/editor/name_patterns.hpp"
#include "framework/value_helpers.hpp"

namespace vertanum {
namespace {

// EEPROM layout.
constexpr std::size_t kAccessCodes = 0x00;   // 2 bytes per partition, BCD, high byte first
constexpr std::size_t kUserSets = 0x40;      // 4 bytes per user, little-endian bit set
constexpr std::size_t kAddressFlags = 0xF6;  // bits 7, 6 kept; 0x04 | (address - 1)
constexpr std::size_t kAddress = 0xF7;       // 0x60 | (address - 1)
constexpr std::size_t kMasterCode = 0xFE;    // BCD, high byte first

const char* const kEvenText = "Проверьте правильность ввода поля.\rДанные должны быть четными.";
const char* const kRepeatedText = "Коды не должны повторяться.";

std::uint16_t WordAt(const std::vector<std::uint8_t>& image, std::size_t address) {
    return static_cast<std::uint16_t>(image.at(address) << 8 | image.at(address + 1));
}

void StoreBcd(std::vector<std::uint8_t>& image, std::size_t address, std::int32_t number) {
    const auto bcd = static_cast<std::uint32_t>(BinaryToBcd(static_cast<std::uint16_t>(number)));
    image.at(address) = static_cast<std::uint8_t>(bcd >> 8);
    image.at(address + 1) = static_cast<std::uint8_t>(bcd);
}

std::uint32_t UserSet(const std::vector<std::uint8_t>& image, int user) {
    const std::size_t at = kUserSets + 4 * static_cast<std::size_t>(user - 1);
    return static_cast<std::uint32_t>(image.at(at)) |
           static_cast<std::uint32_t>(image.at(at + 1)) << 8 |
           static_cast<std::uint32_t>(image.at(at + 2)) << 16 |
           static_cast<std::uint32_t>(image.at(at + 3)) << 24;
}

void StoreUserSet(std::vector<std::uint8_t>& image, int user, std::uint32_t set) {
    const std::size_t at = kUserSets + 4 * static_cast<std::size_t>(user - 1);
    for (std::size_t i = 0; i < 4; ++i) image.at(at + i) = static_cast<std::uint8_t>(set >> 8 * i);
}

// A stored code whose digits are not all decimal cannot be shown; its row stays empty until a
// new code is entered.
std::string MasterCodeText(const std::vector<std::uint8_t>& image) {
    try {
        return std::to_string(BcdToBinary(WordAt(image, kMasterCode)));
    } catch (const ConversionError&) {
        return {};
    }
}

std::string AccessCodeText(const std::vector<std::uint8_t>& image, int partition) {
    try {
        const std::int32_t code =
            BcdToBinary(WordAt(image, kAccessCodes + 2 * static_cast<std::size_t>(partition - 1)));
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04X",
                      static_cast<unsigned>(BinaryToBcd(static_cast<std::uint16_t>(code))));
        return digits;
    } catch (const ConversionError&) {
        return {};
    }
}

// Only an address the module knows is shown: the high nibble 6 marks a set address, the low one
// is the address - 1. Anything else (a new module, 0x64 to 0x6F) shows no address.
std::string AddressText(const std::vector<std::uint8_t>& image, const ItemList& items) {
    const std::uint8_t stored = image.at(kAddress);
    if ((stored >> 4) != 6) return {};
    const std::size_t index = stored & 0x0Fu;
    return index < items->size() ? (*items)[index] : std::string();
}

// The number of a text that matched a digits pattern; blanks around it are allowed.
std::int32_t NumberOf(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n\f\v");
    const auto last = text.find_last_not_of(" \t\r\n\f\v");
    if (first == std::string::npos) throw ConversionError(text);
    return StrToInt(std::string_view(text).substr(first, last - first + 1));
}

struct Patterns {
    std::regex master_code{"^MasterCode$"};
    std::regex access_code{"^AccessCode[\\d]{1,2}$"};
    std::regex trailing_number{"[\\d]{1,2}$"};
    std::regex partition{"^Partition[\\d]{1,2}_[\\d]{1,2}"};
    std::regex partition_numbers{"^Partition([\\d]{1,2})_([\\d]{1,2})"};
    std::regex address{"^Addr$"};
    std::regex code_text{"^[\\s]*[\\d]{1,4}[\\s]*$"};
    std::regex address_text{"^[\\s]*[1234]{1,1}[\\s]*$"};
};

const Patterns& P() {
    static const Patterns patterns;
    return patterns;
}

}  // namespace

void TInsKRVDevices::BuildRows(RowModel& rows, TDevices& model, ProgressDisplay& progress) {
    const auto& eeprom = model.EepromImage;
    auto advance = [&](int by) { progress.SetPosition(progress.Position() + by); };

    rows.AddMask("MasterCode", "Код мастера", kCodeMask, MasterCodeText(eeprom));
    advance(10);

    Row& partitions = rows.AddCategory("Partition", "Разделы");
    advance(10);
    for (int n = 1; n <= kPartitions; ++n) {
        const std::string number = std::to_string(n);
        rows.AddMask("AccessCode" + number, "Код доступа к разделу №" + number, kCodeMask,
                     AccessCodeText(eeprom, n), &partitions);
        advance(1);
    }

    Row& users = rows.AddCategory("Users", "Пользователи");
    advance(1);
    for (int u = 1; u <= kUsers; ++u) {
        const std::string user = std::to_string(u);
        Row& heading = rows.AddCategory("Users" + user, "Пользователь" + user, &users);
        const std::uint32_t set = UserSet(eeprom, u);
        for (int p = 1; p <= kPartitions; ++p) {
            const std::string partition = std::to_string(p);
            rows.AddCheck("Partition" + user + "_" + partition, "Раздел" + partition,
                          (set >> (p - 1) & 1u) != 0, &heading);
        }
        advance(1);
    }
    advance(1);

    const ItemList addresses = NumberItems(1, 4);
    rows.AddPick("Addr", "Адрес пульта", addresses, AddressText(eeprom, addresses));
}

void TInsKRVDevices::ApplyValue(const std::string& row_name, const std::string& text,
                                std::string& error_text, TDevices& model) {
    auto& eeprom = model.EepromImage;
    const Patterns& p = P();
    std::smatch m;

    if (std::regex_search(row_name, p.master_code)) {
        if (!std::regex_search(text, p.code_text)) {
            error_text = kCheckInputText;
            return;
        }
        StoreBcd(eeprom, kMasterCode, NumberOf(text));
        return;
    }

    if (std::regex_search(row_name, p.access_code)) {
        std::regex_search(row_name, m, p.trailing_number);
        const int partition = std::stoi(m.str());
        // Only the partitions the module has; any other name is not one of this map's rows.
        if (partition < 1 || partition > kPartitions) return;
        if (!std::regex_search(text, p.code_text)) {
            error_text = kCheckInputText;
            return;
        }
        const std::int32_t code = NumberOf(text);
        if (code % 2 != 0) {
            error_text = kEvenText;
            return;
        }
        if (code != 0) {
            if (const RowModel* rows = Rows()) {
                bool repeated = false;
                rows->ForEach([&](const Row& row, int) {
                    if (repeated || row.Name() == row_name) return;
                    if (!row.Name().starts_with("AccessCode") ||
                        !std::regex_search(row.Name(), p.access_code))
                        return;
                    // A row that shows no code (one that could not be decoded) holds none.
                    try {
                        repeated = NumberOf(row.Value()) == code;
                    } catch (const ConversionError&) {
                    }
                });
                if (repeated) {
                    error_text = kRepeatedText;
                    return;
                }
            }
        }
        StoreBcd(eeprom, kAccessCodes + 2 * static_cast<std::size_t>(partition - 1), code);
        return;
    }

    if (std::regex_search(row_name, m, p.partition_numbers) &&
        std::regex_search(row_name, p.partition)) {
        const int user = std::stoi(m.str(1));
        const int partition = std::stoi(m.str(2));
        if (user < 1 || user > kUsers || partition < 1 || partition > kPartitions) return;
        std::uint32_t set = UserSet(eeprom, user);
        const std::uint32_t bit = 1u << (partition - 1);
        set = text == "1" ? set | bit : set & ~bit;
        StoreUserSet(eeprom, user, set);
        return;
    }

    if (std::regex_search(row_name, p.address)) {
        if (!std::regex_search(text, p.address_text)) {
            error_text = kCheckInputText;
            return;
        }
        const auto a = static_cast<std::uint8_t>(NumberOf(text) - 1);
        eeprom.at(kAddress) = static_cast<std::uint8_t>(0x60 | a);
        eeprom.at(kAddressFlags) =
            static_cast<std::uint8_t>((eeprom.at(kAddressFlags) & 0xC0) | 0x04 | a);
        return;
    }
}

}  // namespace vertanum
