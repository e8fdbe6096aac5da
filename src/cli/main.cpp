#include <iostream>
#include <string>
#include <vector>

#include "cli_commands.hpp"

namespace {

void Usage(std::ostream& out) {
    out << "Использование: vertanum-cli КОМАНДА [ПАРАМЕТРЫ]\n"
           "\n"
           "  models                                       модели устройств реестра\n"
           "  new MODEL -o FILE                            новый файл конфигурации модели\n"
           "  dump (FILE | --new MODEL) --memory flash|eeprom [--from A] [--to B]\n"
           "                                               образ памяти после загрузки\n"
           "  resave FILE [-o OUT]                         загрузить и сохранить заново\n"
           "  export-hex (FILE | --new MODEL) --flash OUT [--eeprom OUT]\n"
           "                                               образы в формате Intel HEX\n"
           "  show (FILE | --new MODEL) [--json]           параметры в порядке показа\n"
           "  set (FILE | --new MODEL) [-o OUT] NAME=VALUE…\n"
           "                                               изменить параметры и сохранить\n"
           "  report (FILE | --new MODEL) --format text|rtf [-o OUT]\n"
           "                                               отчет о параметрах\n"
           "  program (FILE | --new MODEL) --port sim[:ОПЦИИ] | N [--trace FILE]\n"
           "                                               программирование устройства\n"
           "                                               (опции: program --help)\n"
           "\n"
           "MODEL: имя класса (TKRV), имя модели (KRV) или номер позиции (7).\n"
           "Коды завершения: 0 успех, 1 отказ или ошибка, 2 неверный вызов.\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        Usage(args.empty() ? std::cerr : std::cout);
        return args.empty() ? 2 : 0;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    for (const auto& entry : vertanum::cli::Commands()) {
        if (command == entry.name) return entry.run(args);
    }
    std::cerr << "vertanum-cli: неизвестная команда \"" << command << "\"\n";
    Usage(std::cerr);
    return 2;
}
