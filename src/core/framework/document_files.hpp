#pragma once

#include <string>

#include "framework/messages.hpp"

namespace vertanum {

// The backup of a file about to be replaced: the same name with its extension replaced by
// ".BAK" (added when it has none), in the same folder.
std::string BackupPathFor(const std::string& path);

// Makes the file at `path` its own backup by renaming it, replacing an older backup. A failure
// is shown as "Невозможно создать backup файл." and the caller goes on.
bool MoveToBackup(const std::string& path, Messages& messages);

// Undoes MoveToBackup after the new file could not be written, so the user's file is back.
bool RestoreFromBackup(const std::string& path);

// Keeps a copy of the file at `path` as its backup and leaves the file where it is.
bool CopyToBackup(const std::string& path, Messages& messages);

}  // namespace vertanum
