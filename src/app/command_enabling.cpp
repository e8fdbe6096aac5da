#include "command_enabling.hpp"

namespace vertanum::app {

CommandEnabling EnablingFor(const EnablingState& state) {
    CommandEnabling enabling;
    if (state.document_open) {
        enabling.close = true;
        enabling.save_as = true;
        enabling.save = state.document_modified;
    }
    enabling.start_and_report =
        state.port_driver_opened && state.port_count != 0 && state.document_open;
    return enabling;
}

}  // namespace vertanum::app
