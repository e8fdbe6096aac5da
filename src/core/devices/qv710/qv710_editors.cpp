#include "devices/qv710/qv710_editors.hpp"

#include "devices/qv710/qv710.hpp"
#include "framework/conversion_error.hpp"
#include "framework/editor/name_patterns.hpp"

namespace vertanum {
namespace {

constexpr std::size_t kTimeReadyLoop1 = 2 * TQV710::kTimeReadyLoop1Word;  // 0x86
constexpr std::size_t kTimeReadyLoop2 = 2 * TQV710::kTimeReadyLoop2Word;  // 0x88
constexpr std::size_t kTimeReset = 2 * TQV710::kTimeResetWord;            // 0x8A

struct Patterns {
    std::regex time_ready{"^(TimeReadyFire_sl){1}(\\d{1})$"};
    std::regex time_reset{"^TimeResetFire$"};
};

const Patterns& P() {
    static const Patterns patterns;
    return patterns;
}

}  // namespace

void TInsQV710P001Devices::BuildRows(RowModel& rows, TDevices& model, ProgressDisplay& progress) {
    const auto& flash = model.FirmwareImage;
    auto advance = [&] { progress.SetPosition(progress.Position() + 10); };

    advance();
    Row& loops = rows.AddCategory("Parsl", "Параметры шлейфов");
    advance();
    Row& ready = rows.AddCategory("TimeReadyFire_sl",
                                  "Время готовности пожарных извещателей (сек.)", &loops);
    advance();
    // A stored byte outside the list (255 from a file without the keys) shows as its number.
    const ItemList seconds60 = NumberItems(1, 60);
    rows.AddPick("TimeReadyFire_sl1", "Шлейф №1", seconds60,
                 std::to_string(flash.at(kTimeReadyLoop1)), &ready);
    rows.AddPick("TimeReadyFire_sl2", "Шлейф №2", seconds60,
                 std::to_string(flash.at(kTimeReadyLoop2)), &ready);
    advance();
    rows.AddPick("TimeResetFire", "Длительность сброса пожарных извещателей (сек.)",
                 NumberItems(1, 30), std::to_string(flash.at(kTimeReset)), &loops);
}

void TInsQV710P001Devices::ApplyValue(const std::string& row_name, const std::string& text,
                                      std::string&, TDevices& model) {
    auto& flash = model.FirmwareImage;
    std::smatch m;
    if (std::regex_search(row_name, m, P().time_ready)) {
        const std::size_t at = m.str(2) == "2" ? kTimeReadyLoop2 : kTimeReadyLoop1;
        flash.at(at) = static_cast<std::uint8_t>(StrToInt(text));
    } else if (std::regex_search(row_name, P().time_reset)) {
        flash.at(kTimeReset) = static_cast<std::uint8_t>(StrToInt(text));
    }
}

}  // namespace vertanum
