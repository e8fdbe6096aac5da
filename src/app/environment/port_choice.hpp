#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace vertanum::app {

// "Порт " + the base address as four upper-case hexadecimal digits + "H".
QString PortItemText(std::uint16_t base_address);

// The items of the port dialog from the bound port layer, in port-number order. The layer's
// selected port is left at the last one listed.
QStringList ListPortItems();

// Whether the programming command must ask for the port first: every number that names no port
// of the list, the stored 0 (OK pressed with an empty list) included, brings the dialog up again.
bool PortDialogComesFirst(int lpt_port_number, int port_count);

}  // namespace vertanum::app
