#pragma once

#include <QString>

namespace vertanum::app {

// LptPortNumber as the program keeps it between runs: key "SoftWare\Moravex\Quillbyte", integer
// value "LptPort", in the user's settings file (there is no machine-wide registry here).
class PortSettings {
  public:
    // $XDG_CONFIG_HOME/vertanum/vertanum.conf (~/.config/...) unless a file is given.
    explicit PortSettings(QString file = DefaultFile());
    static QString DefaultFile();

    // The stored port number, or -1 when none was ever stored or it is not a number.
    int LoadLptPort() const;
    // False when the settings file could not be written.
    bool StoreLptPort(int port);

    const QString& File() const { return file_; }

  private:
    QString file_;
};

inline constexpr const char* kSettingsKey = "SoftWare\\Moravex\\Quillbyte";
inline constexpr const char* kSettingsValue = "LptPort";

}  // namespace vertanum::app
