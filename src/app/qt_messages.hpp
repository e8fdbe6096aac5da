#pragma once

#include <QString>

#include "framework/messages.hpp"

class QWidget;

namespace vertanum::app {

// The core's message boxes as modal Qt message boxes over the main window, with Russian button
// texts and "\r" shown as a line break.
class QtMessages : public Messages {
  public:
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    MessageAnswer Show(const MessageBox& box) override;

    // The text of a box as the screen shows it.
    static QString ScreenText(const std::string& text);

  private:
    QWidget* parent_;
};

}  // namespace vertanum::app
