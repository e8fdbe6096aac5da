#pragma once

namespace vertanum::app {

// What the enabling rules of the commands look at.
struct EnablingState {
    bool document_open = false;
    bool document_modified = false;
    // The port driver is open and reports this many parallel ports.
    bool port_driver_opened = false;
    int port_count = 0;
};

// Which of the commands that depend on the document and the port are enabled; every other
// command is always enabled.
struct CommandEnabling {
    bool close = false;             // mnuClose, btnClose
    bool save_as = false;           // mnuSaveAs
    bool save = false;              // mnuSave, btnSave
    bool start_and_report = false;  // mnuStart, btnStart, mnuReport, btnReport
};

CommandEnabling EnablingFor(const EnablingState& state);

}  // namespace vertanum::app
