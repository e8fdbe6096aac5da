// vertanum-cli program: one programming run of a document, on the simulated cable or a real
// parallel port, with a progress bar on the terminal.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "cli_commands.hpp"
#include "cli_support.hpp"
#include "devices/dorimen/dorimen.hpp"
#include "devices/frastoven/frastoven.hpp"
#include "devices/krv/krv.hpp"
#include "devices/qirel/qirel.hpp"
#include "devices/qv710/qv710.hpp"
#include "devices/velkar/velkar.hpp"
#include "hardware/port_access.hpp"
#include "hardware/programming_run.hpp"
#include "hardware/simulated_cable.hpp"
#include "hardware/spi.hpp"
#include "hardware/spi_trace.hpp"

namespace vertanum::cli {

namespace {

using namespace hardware;

constexpr const char* kProgramUsage =
    "Использование: vertanum-cli program (FILE | --new MODEL) --port ПОРТ [--trace FILE]\n"
    "                                    [--write-stand-in]\n"
    "\n"
    "Записывает образы документа в микросхему устройства, проверяет их и записывает\n"
    "fuse- и lock-биты. Код завершения 0 после успеха, 1 после отказа.\n"
    "\n"
    "  --port N            параллельный порт N (номер как в окне выбора порта, с 1)\n"
    "  --port sim[:ОПЦИИ]  имитация кабеля с микросхемой модели документа; ОПЦИИ через\n"
    "                      запятую:\n"
    "      chip=ТИП          другая микросхема: AT89S53, AT90LS4433, ATmega8, ATmega161,\n"
    "                        ATtiny26, или none (панелька пуста)\n"
    "      no-cable          кабель не подключен (нет петли контроля)\n"
    "      no-echo           микросхема не отвечает на Programming Enable\n"
    "      signature=XXXXXX  другие байты сигнатуры (шесть шестнадцатеричных цифр)\n"
    "      stuck-flash=A[@B] бит B (0 по умолчанию) байта A памяти программ залип\n"
    "                        в уровне, противоположном образу; A = число или last\n"
    "      stuck-eeprom=A[@B] то же в EEPROM\n"
    "      wrong-fuse, wrong-fuse-high, wrong-lock\n"
    "                        байт читается обратно с инвертированным битом 0\n"
    "      pull=N            кабель отключается после N байтов SPI\n"
    "      ports=N           число портов (1 по умолчанию)\n"
    "      cable-port=N      порт, к которому подключен кабель (1 по умолчанию;\n"
    "                        программируется всегда порт 1)\n"
    "  --trace FILE        записать обмен по SPI (байты, ожидания, уровни линий)\n"
    "  --write-stand-in    на реальном порту записывать встроенную программу-заглушку\n"
    "                      без вопроса (иначе ответ по умолчанию: не записывать)\n";

// The status text and a bar with the percentage on stderr, redrawn only when either changes.
class TerminalProgress : public ProgressDisplay {
  public:
    ~TerminalProgress() override { EndLine(); }
    void SetStatus(std::string_view text) override {
        if (text == status_) return;
        EndLine();
        status_ = text;
        Draw();
    }
    void SetMaximum(int m) override {
        maximum_ = m;
        Draw();
    }
    void SetPosition(int p) override {
        position_ = p;
        Draw();
    }
    int Position() const override { return position_; }
    void ShowPercentage(bool on) override {
        percentage_ = on;
        Draw();
    }
    void ProcessEvents() override {}
    std::string Status() const override { return status_; }

  private:
    void Draw() {
        const bool blank = status_.find_first_not_of(' ') == std::string::npos;
        if (blank) return;
        const int percent = maximum_ > 0 ? std::clamp(position_ * 100 / maximum_, 0, 100) : 0;
        std::ostringstream line;
        line << status_;
        if (percentage_) {
            constexpr int kWidth = 30;
            const int filled = percent * kWidth / 100;
            line << " [" << std::string(static_cast<std::size_t>(filled), '#')
                 << std::string(static_cast<std::size_t>(kWidth - filled), '.') << "] " << percent
                 << "%";
        }
        if (line.str() == drawn_) return;
        drawn_ = line.str();
        std::cerr << "\r" << drawn_ << std::flush;
        open_line_ = true;
    }
    void EndLine() {
        if (open_line_) std::cerr << "\n";
        open_line_ = false;
        drawn_.clear();
    }

    std::string status_;
    std::string drawn_;
    int maximum_ = 100;
    int position_ = 0;
    bool percentage_ = false;
    bool open_line_ = false;
};

// The run's boxes on the terminal: its outcome on stdout, failures on stderr, the stand-in
// question answered by --write-stand-in or else with its default.
class ProgramMessages : public Messages {
  public:
    explicit ProgramMessages(bool write_stand_in) : write_stand_in_(write_stand_in) {}
    MessageAnswer Show(const MessageBox& box) override {
        if (box.buttons == MessageButtons::YesNo) {
            const MessageAnswer answer = write_stand_in_ ? MessageAnswer::Yes : box.default_answer;
            std::cerr << "вопрос: " << MessageLines(box.text) << "\nответ: "
                      << (answer == MessageAnswer::Yes ? "да" : "нет (--write-stand-in: да)")
                      << "\n";
            return answer;
        }
        if (box.icon == MessageIcon::Information) {
            std::cout << MessageLines(box.text) << "\n";
            return box.default_answer;
        }
        return terminal_.Show(box);
    }

  private:
    bool write_stand_in_;
    TerminalMessages terminal_;
};

class TerminalFrontEnd : public ProgrammingFrontEnd {
  public:
    void FlashMainWindow(FlashFlags) override {}
    void PlayWave(std::span<const std::uint8_t>) override {}
    void ShowElapsedTime(std::string_view text) override { elapsed = text; }
    std::string elapsed;
};

std::optional<ChipType> ChipOfModel(const TDevices& model) {
    if (dynamic_cast<const TKRV*>(&model)) return ChipType::AT90LS4433;
    if (dynamic_cast<const TQV710*>(&model)) return ChipType::ATmega8;
    if (dynamic_cast<const TQirel*>(&model)) return ChipType::ATtiny26;
    if (dynamic_cast<const TVelkar*>(&model)) return ChipType::AT89S53;
    if (dynamic_cast<const TDorimen*>(&model)) return ChipType::ATmega8;
    if (dynamic_cast<const TFrastoven*>(&model)) return ChipType::ATmega161;
    return std::nullopt;
}

std::optional<unsigned long> Number(const std::string& text) {
    return ParseAddress(text);
}

struct SimulatorSetup {
    std::optional<ChipType> chip;
    ChipFaults faults;
    CableOptions cable;
};

// A bit stuck at the level that the image does not have there, so the fault shows.
std::optional<StuckBit> StuckAgainstImage(ChipMemory memory, const std::string& where,
                                          const std::vector<std::uint8_t>& image,
                                          std::string& error) {
    const auto at = where.find('@');
    const std::string address_text = where.substr(0, at);
    int bit = 0;
    if (at != std::string::npos) {
        const auto b = Number(where.substr(at + 1));
        if (!b || *b > 7) {
            error = "номер бита должен быть от 0 до 7: " + where;
            return std::nullopt;
        }
        bit = static_cast<int>(*b);
    }
    if (image.empty()) {
        error = "у модели нет такой памяти: " + where;
        return std::nullopt;
    }
    std::size_t address = image.size() - 1;
    if (address_text != "last") {
        const auto a = Number(address_text);
        if (!a || *a >= image.size()) {
            error = "адрес вне образа (0.." + std::to_string(image.size() - 1) + "): " + where;
            return std::nullopt;
        }
        address = *a;
    }
    const bool image_bit = ((image[address] >> bit) & 1u) != 0;
    return StuckBit{memory, static_cast<std::uint32_t>(address), bit, !image_bit};
}

std::optional<SimulatorSetup> ParseSimulator(const std::string& spec, const TDevices& model,
                                             std::string& error) {
    SimulatorSetup setup;
    setup.chip = ChipOfModel(model);
    if (spec == "sim") return setup;
    std::stringstream options(spec.substr(4));
    std::string option;
    while (std::getline(options, option, ',')) {
        const auto eq = option.find('=');
        const std::string key = option.substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : option.substr(eq + 1);
        const bool has_value = eq != std::string::npos;
        if (key == "chip" && has_value) {
            if (value == "none") {
                setup.chip.reset();
                continue;
            }
            bool found = false;
            for (ChipType t : {ChipType::AT89S53, ChipType::AT90LS4433, ChipType::ATmega8,
                               ChipType::ATmega161, ChipType::ATtiny26}) {
                if (ChipName(t) == value) {
                    setup.chip = t;
                    found = true;
                }
            }
            if (!found) {
                error = "неизвестная микросхема: " + value;
                return std::nullopt;
            }
        } else if (key == "no-cable" && !has_value) {
            setup.cable.loop_back = false;
        } else if (key == "no-echo" && !has_value) {
            setup.faults.no_echo = true;
        } else if (key == "signature" && has_value) {
            if (value.size() != 6 ||
                value.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
                error = "сигнатура — шесть шестнадцатеричных цифр: " + value;
                return std::nullopt;
            }
            std::array<std::uint8_t, 3> bytes{};
            for (std::size_t i = 0; i < 3; ++i) {
                bytes[i] =
                    static_cast<std::uint8_t>(std::stoul(value.substr(2 * i, 2), nullptr, 16));
            }
            setup.faults.signature = bytes;
        } else if ((key == "stuck-flash" || key == "stuck-eeprom") && has_value) {
            const bool flash = key == "stuck-flash";
            auto stuck = StuckAgainstImage(flash ? ChipMemory::Flash : ChipMemory::Eeprom, value,
                                           flash ? model.FirmwareImage : model.EepromImage, error);
            if (!stuck) return std::nullopt;
            setup.faults.stuck_bits.push_back(*stuck);
        } else if (key == "wrong-fuse" && !has_value) {
            setup.faults.wrong_read_backs.push_back({ConfigByte::Fuse, 0x01});
        } else if (key == "wrong-fuse-high" && !has_value) {
            setup.faults.wrong_read_backs.push_back({ConfigByte::FuseHigh, 0x01});
        } else if (key == "wrong-lock" && !has_value) {
            setup.faults.wrong_read_backs.push_back({ConfigByte::Lock, 0x01});
        } else if (key == "pull" && has_value && Number(value)) {
            setup.cable.pulled_after_bytes = *Number(value);
        } else if (key == "ports" && has_value && Number(value) && *Number(value) >= 1 &&
                   *Number(value) <= 3) {
            setup.cable.port_count = static_cast<std::int16_t>(*Number(value));
        } else if (key == "cable-port" && has_value && Number(value) && *Number(value) >= 1 &&
                   *Number(value) <= 3) {
            setup.cable.cable_port = static_cast<std::uint8_t>(*Number(value));
        } else {
            error = "неизвестная или неполная опция имитации: " + option +
                    " (список: vertanum-cli program --help)";
            return std::nullopt;
        }
    }
    return setup;
}

bool WriteTrace(const std::string& path, const SpiTrace& trace) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << trace.TimedText(CurrentClock().TicksPerMicrosecond());
    out.close();
    if (!out) {
        std::cerr << "vertanum-cli: не удалось записать трассу в " << path << "\n";
        return false;
    }
    return true;
}

// The run itself, with the port library already bound.
int RunOnBoundPort(Session& session, std::uint16_t port, bool write_stand_in,
                   const std::optional<std::string>& trace_path) {
    if (IsDriverOpened() && port > GetLPTNumPorts()) {
        std::cerr << "vertanum-cli: порт " << port << " не найден (портов: " << GetLPTNumPorts()
                  << ")\n";
        for (const auto& problem : PortProblems()) std::cerr << "  " << problem << "\n";
        return kExitFailed;
    }
    SpiTrace trace;
    std::optional<ScopedSpiTrace> tracing;
    if (trace_path) tracing.emplace(trace);
    ProgramMessages messages(write_stand_in);
    TerminalFrontEnd front_end;
    std::int32_t result = -1;
    {
        TerminalProgress progress;
        result = ProgrammingRun(*session.model, progress, port, messages, front_end);
    }
    if (result == 1) std::cout << "Время: " << front_end.elapsed << "\n";
    tracing.reset();
    if (trace_path && !WriteTrace(*trace_path, trace)) return kExitFailed;
    return result == 1 ? kExitOk : kExitFailed;
}

}  // namespace

int RunProgram(const std::vector<std::string>& raw) {
    Arguments args(raw, {"--new", "--port", "--trace"}, {"--write-stand-in", "--help", "-h"});
    if (args.has("--help") || args.has("-h")) {
        std::cout << kProgramUsage;
        return kExitOk;
    }
    if (!args.ok()) return UsageError("program: " + args.error());
    const auto port_text = args.value("--port");
    if (!port_text) return UsageError("program: нужен --port N или --port sim[:ОПЦИИ]");
    const bool simulated = *port_text == "sim" || port_text->starts_with("sim:");
    std::uint16_t port = 1;
    if (!simulated) {
        const auto n = ParseAddress(*port_text);
        if (!n || *n < 1 || *n > 255) {
            return UsageError("program: номер порта — число от 1, или sim: " + *port_text);
        }
        port = static_cast<std::uint16_t>(*n);
    }
    int exit_code = kExitOk;
    auto session = OpenDocument(args, &exit_code);
    if (!session) return exit_code;
    const auto trace_path = args.value("--trace");
    const bool write_stand_in = args.has("--write-stand-in");

    if (simulated) {
        std::string error;
        auto setup = ParseSimulator(*port_text, *session->model, error);
        if (!setup) return UsageError("program: " + error);
        SetPortFreeWaitDone(true);  // nobody else uses a simulated port
        SimulationSession bench(setup->chip, setup->faults, setup->cable);
        return RunOnBoundPort(*session, port, write_stand_in, trace_path);
    }
    if (!LoadPortLibrary(session->messages)) return kExitFailed;
    OpenTVicPort();
    const int code = RunOnBoundPort(*session, port, write_stand_in, trace_path);
    UnloadPortLibrary();
    return code;
}

}  // namespace vertanum::cli
