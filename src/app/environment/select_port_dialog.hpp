#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace vertanum::app {

class PortSettings;

// TfrmSelectPort: the parallel port of the programming cable. Lists the ports of the bound port
// layer, preselects LptPortNumber, and on OK stores the choice at once. Ports that exist but may
// not be opened are named below the list with how to get access.
class TfrmSelectPort : public QDialog {
    Q_OBJECT

  public:
    TfrmSelectPort(int& lpt_port_number, PortSettings& settings, QWidget* parent = nullptr);

    QComboBox* edtSelectPort() const { return edt_select_port_; }
    QPushButton* btnSelectPortOk() const { return ok_; }
    QPushButton* btnSelectPortCancel() const { return cancel_; }
    QLabel* Problems() const { return problems_; }

  private:
    void Accept();

    int& lpt_port_number_;
    PortSettings& settings_;
    QComboBox* edt_select_port_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* problems_ = nullptr;
};

}  // namespace vertanum::app
