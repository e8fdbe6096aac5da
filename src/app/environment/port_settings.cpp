#include "environment/port_settings.hpp"

#include <QSettings>
#include <QStandardPaths>

namespace vertanum::app {
namespace {

// QSettings writes "\" inside a key as "/" groups; the key reads the same in the file either way.
QString SettingsPath() {
    return QString(kSettingsKey).replace('\\', '/') + "/" + kSettingsValue;
}

}  // namespace

PortSettings::PortSettings(QString file) : file_(std::move(file)) {}

QString PortSettings::DefaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/vertanum/vertanum.conf";
}

int PortSettings::LoadLptPort() const {
    const QSettings settings(file_, QSettings::IniFormat);
    const QVariant value = settings.value(SettingsPath());
    if (!value.isValid()) return -1;
    bool ok = false;
    const int port = value.toInt(&ok);
    return ok ? port : -1;
}

bool PortSettings::StoreLptPort(int port) {
    QSettings settings(file_, QSettings::IniFormat);
    settings.setValue(SettingsPath(), port);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace vertanum::app
