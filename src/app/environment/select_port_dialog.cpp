#include "environment/select_port_dialog.hpp"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "environment/port_choice.hpp"
#include "environment/port_settings.hpp"
#include "hardware/port_access.hpp"

namespace vertanum::app {

TfrmSelectPort::TfrmSelectPort(int& lpt_port_number, PortSettings& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      lpt_port_number_(lpt_port_number),
      settings_(settings) {
    setObjectName("frmSelectPort");
    setWindowTitle("Выберите порт подключения");

    edt_select_port_ = new QComboBox(this);
    edt_select_port_->setObjectName("edtSelectPort");
    edt_select_port_->setGeometry(16, 16, 248, 24);
    edt_select_port_->addItems(ListPortItems());
    edt_select_port_->setCurrentIndex(
        lpt_port_number_ - 1 < edt_select_port_->count() ? std::max(lpt_port_number_ - 1, -1) : -1);

    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("btnSelectPortOk");
    ok_->setGeometry(104, 56, 75, 25);
    ok_->setDefault(true);
    cancel_ = new QPushButton("Отмена", this);
    cancel_->setObjectName("btnSelectPortCancel");
    cancel_->setGeometry(189, 56, 75, 25);
    connect(ok_, &QPushButton::clicked, this, &TfrmSelectPort::Accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    int height = 92;
    QStringList problems;
    for (const std::string& problem : hardware::PortProblems()) {
        problems << QString::fromStdString(problem);
    }
    if (edt_select_port_->count() == 0 && problems.isEmpty()) {
        problems << "Параллельные порты не найдены. Программирование возможно в режиме "
                    "тренажера: vertanum --simulator.";
    }
    problems_ = new QLabel(problems.join("\n"), this);
    problems_->setObjectName("lblPortProblems");
    problems_->setWordWrap(true);
    problems_->setVisible(!problems.isEmpty());
    if (!problems.isEmpty()) {
        problems_->setGeometry(16, 88, 248, problems_->heightForWidth(248));
        height = problems_->geometry().bottom() + 12;
    }
    setFixedSize(280, height);
}

void TfrmSelectPort::Accept() {
    lpt_port_number_ = edt_select_port_->currentIndex() + 1;
    settings_.StoreLptPort(lpt_port_number_);
    accept();
}

}  // namespace vertanum::app
