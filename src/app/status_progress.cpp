#include "status_progress.hpp"

#include <QCoreApplication>

namespace vertanum::app {

void StatusProgress::SetStatus(std::string_view text) {
    label_->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

std::string StatusProgress::Status() const {
    return label_->text().toStdString();
}

void StatusProgress::SetMaximum(int maximum) {
    bar_->setMaximum(maximum);
}

void StatusProgress::SetPosition(int position) {
    bar_->setValue(position);
}

int StatusProgress::Position() const {
    return bar_->value();
}

void StatusProgress::ShowPercentage(bool on) {
    bar_->setTextVisible(on);
}

void StatusProgress::ProcessEvents() {
    QCoreApplication::processEvents();
}

}  // namespace vertanum::app
