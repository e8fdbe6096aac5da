#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QTextEdit;
class QTreeWidget;

namespace vertanum::app {

// The news text carried by the program ("ABOUT"), one line per line.
QString AboutNewsText();

// TfrmAbout: the version record, a link to the manual and the news text.
class TfrmAbout : public QDialog {
    Q_OBJECT

  public:
    // `open_manual` runs when the link is followed.
    explicit TfrmAbout(QWidget* parent = nullptr, std::function<void()> open_manual = {});

    QTreeWidget* lstVersion() const { return version_; }
    QLabel* lblLink() const { return link_; }
    QTextEdit* News() const { return news_; }

  private:
    QTreeWidget* version_ = nullptr;
    QLabel* link_ = nullptr;
    QTextEdit* news_ = nullptr;
};

// ShowAbout: the dialog, modally, centred on `parent`.
void ShowAboutDialog(QWidget* parent, std::function<void()> open_manual = {});

}  // namespace vertanum::app
