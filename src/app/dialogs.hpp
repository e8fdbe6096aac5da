#pragma once

#include <optional>
#include <string>

namespace vertanum {
class DeviceRegistry;
}

class QWidget;

namespace vertanum::app {

// The modal dialogs the document commands ask: the device picker and the two file dialogs. The
// program shows the real ones; the window tests answer them from a script.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // The registry position of the chosen model; nothing when cancelled.
    virtual std::optional<int> PickDevice(QWidget* parent, const DeviceRegistry& registry) = 0;
    // The chosen path; nothing when cancelled.
    virtual std::optional<std::string> OpenFileName(QWidget* parent) = 0;
    virtual std::optional<std::string> SaveFileName(QWidget* parent) = 0;
};

// The device picker and Qt's file dialogs with the program's filter and extension. The dialogs
// do not ask about overwriting: the save command asks itself.
class QtDialogs : public Dialogs {
  public:
    std::optional<int> PickDevice(QWidget* parent, const DeviceRegistry& registry) override;
    std::optional<std::string> OpenFileName(QWidget* parent) override;
    std::optional<std::string> SaveFileName(QWidget* parent) override;

  private:
    std::string last_folder_;
};

}  // namespace vertanum::app
