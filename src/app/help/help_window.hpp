#pragma once

#include <QMainWindow>

class QTextBrowser;

namespace vertanum::app {

// The help window "Описание программы Quillbyte": the manual written out at start, with back,
// forward, contents and searching. One window is shared; asking again brings it to the front.
class THelpWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit THelpWindow(const QString& manual_path, QWidget* parent = nullptr);
    QTextBrowser* Browser() const { return browser_; }

  private:
    QTextBrowser* browser_ = nullptr;
};

// Shows the manual at `manual_path` (the manual built into the program when that file is not
// there), reusing an open help window. Returns the window.
THelpWindow* ShowHelpWindow(const QString& manual_path);

}  // namespace vertanum::app
