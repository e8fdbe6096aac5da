#pragma once

#include <string>

namespace vertanum::app {

// Opens a new KRV document in the real main window, lets it paint, and saves the window as a PNG
// picture. False when the document could not be made or the file not written.
bool SaveMainWindowPicture(const std::string& path);

}  // namespace vertanum::app
