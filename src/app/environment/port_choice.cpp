#include "environment/port_choice.hpp"

#include "hardware/port_access.hpp"

namespace vertanum::app {

QString PortItemText(std::uint16_t base_address) {
    return "Порт " + QString("%1").arg(base_address, 4, 16, QChar('0')).toUpper() + "H";
}

QStringList ListPortItems() {
    QStringList items;
    const std::int16_t count = hardware::GetLPTNumPorts();
    for (int a = 1; a <= count; ++a) {
        hardware::SetLPTNumber(static_cast<std::uint8_t>(a));
        items << PortItemText(hardware::GetLPTBasePort());
    }
    return items;
}

bool PortDialogComesFirst(int lpt_port_number, int port_count) {
    return lpt_port_number < 1 || lpt_port_number > port_count;
}

}  // namespace vertanum::app
