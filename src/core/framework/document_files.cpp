#include "framework/document_files.hpp"

#include <cstdio>

#include "config/file_io.hpp"

namespace vertanum {

std::string BackupPathFor(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::size_t name_start = slash == std::string::npos ? 0 : slash + 1;
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || dot < name_start) return path + ".BAK";
    return path.substr(0, dot) + ".BAK";
}

bool MoveToBackup(const std::string& path, Messages& messages) {
    const std::string backup = BackupPathFor(path);
    std::remove(backup.c_str());
    if (std::rename(path.c_str(), backup.c_str()) != 0) {
        messages.Error("Невозможно создать backup файл.");
        return false;
    }
    return true;
}

bool RestoreFromBackup(const std::string& path) {
    return std::rename(BackupPathFor(path).c_str(), path.c_str()) == 0;
}

bool CopyToBackup(const std::string& path, Messages& messages) {
    config::FileError error;
    if (!config::CopyFileAtomically(path, BackupPathFor(path), &error)) {
        messages.Error("Невозможно создать backup файл.\r" + error.message);
        return false;
    }
    return true;
}

}  // namespace vertanum
