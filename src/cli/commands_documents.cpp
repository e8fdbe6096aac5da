#include <cstdio>
#include <iostream>

#include "cli_commands.hpp"
#include "cli_support.hpp"
#include "config/file_io.hpp"
#include "resources/intel_hex.hpp"

namespace vertanum::cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"models", RunModels},        {"new", RunNew},   {"dump", RunDump}, {"resave", RunResave},
        {"export-hex", RunExportHex}, {"show", RunShow}, {"set", RunSet},   {"report", RunReport},
        {"program", RunProgram},
    };
    return commands;
}

int RunModels(const std::vector<std::string>& args) {
    if (!args.empty()) return UsageError("models: лишние параметры");
    Session session;
    session.registry.BuildDeviceRegistry();
    for (int i = 0; i < session.registry.Count(); ++i) {
        const TDevices& m = *session.registry.At(i);
        std::cout << i << '\t' << m.ClassName() << '\t' << m.Name << '\t' << m.Caption << '\n';
    }
    return kExitOk;
}

int RunNew(const std::vector<std::string>& raw) {
    Arguments args(raw, {"-o"}, {});
    if (!args.ok()) return UsageError("new: " + args.error());
    if (args.positional().size() != 1 || !args.value("-o")) {
        return UsageError("new: нужно vertanum-cli new MODEL -o FILE");
    }
    const std::string out = *args.value("-o");
    if (config::FileExists(out)) {
        std::cerr << "vertanum-cli: файл " << out << " уже существует; он не изменён\n";
        return kExitFailed;
    }
    auto session = OpenDocument(std::nullopt, args.positional()[0]);
    if (!session) return kExitFailed;
    return SaveDocument(*session, out) ? kExitOk : kExitFailed;
}

namespace {

const std::vector<std::uint8_t>* MemoryOf(const TDevices& model, const std::string& which) {
    if (which == "flash") return &model.FirmwareImage;
    if (which == "eeprom") return &model.EepromImage;
    return nullptr;
}

}  // namespace

int RunDump(const std::vector<std::string>& raw) {
    Arguments args(raw, {"--new", "--memory", "--from", "--to"}, {});
    if (!args.ok()) return UsageError("dump: " + args.error());
    const auto memory = args.value("--memory");
    if (!memory || (*memory != "flash" && *memory != "eeprom")) {
        return UsageError("dump: нужно --memory flash или --memory eeprom");
    }
    std::optional<unsigned long> from = 0;
    std::optional<unsigned long> to;
    if (auto f = args.value("--from")) from = ParseAddress(*f);
    if (auto t = args.value("--to")) {
        to = ParseAddress(*t);
        if (!to) return UsageError("dump: неверный адрес --to");
    }
    if (!from) return UsageError("dump: неверный адрес --from");
    int exit_code = kExitOk;
    auto session = OpenDocument(args, &exit_code);
    if (!session) return exit_code;
    const auto& image = *MemoryOf(*session->model, *memory);
    if (image.empty()) {
        std::cerr << "vertanum-cli: у модели " << session->model->Name << " нет памяти " << *memory
                  << "\n";
        return kExitFailed;
    }
    const unsigned long last =
        std::min<unsigned long>(to.value_or(image.size() - 1), image.size() - 1);
    if (*from > last) {
        std::cerr << "vertanum-cli: диапазон вне памяти (0x0000-0x" << std::hex << image.size() - 1
                  << std::dec << ")\n";
        return kExitFailed;
    }
    char buf[32];
    for (unsigned long line = *from - *from % 16; line <= last; line += 16) {
        std::snprintf(buf, sizeof buf, "%04lX:", line);
        std::string text = buf;
        for (unsigned long a = line; a < line + 16 && a <= last; ++a) {
            if (a < *from) {
                text += "   ";
                continue;
            }
            std::snprintf(buf, sizeof buf, " %02X", image[a]);
            text += buf;
        }
        std::cout << text << '\n';
    }
    return kExitOk;
}

int RunResave(const std::vector<std::string>& raw) {
    Arguments args(raw, {"-o"}, {});
    if (!args.ok()) return UsageError("resave: " + args.error());
    if (args.positional().size() != 1) return UsageError("resave: нужно vertanum-cli resave FILE");
    const std::string file = args.positional()[0];
    auto session = OpenDocument(file, std::nullopt);
    if (!session) return kExitFailed;
    return SaveDocument(*session, args.value("-o").value_or(file)) ? kExitOk : kExitFailed;
}

int RunExportHex(const std::vector<std::string>& raw) {
    Arguments args(raw, {"--new", "--flash", "--eeprom"}, {});
    if (!args.ok()) return UsageError("export-hex: " + args.error());
    if (!args.value("--flash")) return UsageError("export-hex: нужно --flash OUT");
    int exit_code = kExitOk;
    auto session = OpenDocument(args, &exit_code);
    if (!session) return exit_code;
    const TDevices& model = *session->model;
    if (args.value("--eeprom") && model.EepromImage.empty()) {
        std::cerr << "vertanum-cli: у модели " << model.Name << " нет EEPROM\n";
        return kExitFailed;
    }
    config::FileError error;
    if (!config::WriteFileAtomically(*args.value("--flash"),
                                     resources::WriteIntelHex(model.FirmwareImage), &error)) {
        std::cerr << "ошибка: " << error.message << "\n";
        return kExitFailed;
    }
    if (auto eeprom = args.value("--eeprom")) {
        if (!config::WriteFileAtomically(*eeprom, resources::WriteIntelHex(model.EepromImage),
                                         &error)) {
            std::cerr << "ошибка: " << error.message << "\n";
            return kExitFailed;
        }
    }
    return kExitOk;
}

}  // namespace vertanum::cli
