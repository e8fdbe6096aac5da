#include "qt_messages.hpp"

#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "document_texts.hpp"

namespace vertanum::app {
namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSpec {
    MessageAnswer answer;
    const char* text;
    QMessageBox::ButtonRole role;
};

std::vector<ButtonSpec> ButtonsOf(MessageButtons buttons) {
    const ButtonSpec ok{MessageAnswer::Ok, "OK", QMessageBox::AcceptRole};
    const ButtonSpec cancel{MessageAnswer::Cancel, "Отмена", QMessageBox::RejectRole};
    const ButtonSpec yes{MessageAnswer::Yes, "Да", QMessageBox::YesRole};
    const ButtonSpec no{MessageAnswer::No, "Нет", QMessageBox::NoRole};
    switch (buttons) {
        case MessageButtons::Ok:
            return {ok};
        case MessageButtons::OkCancel:
            return {ok, cancel};
        case MessageButtons::YesNo:
            return {yes, no};
        case MessageButtons::YesNoCancel:
            return {yes, no, cancel};
    }
    return {ok};
}

// What closing the box with its title-bar button or Escape means.
MessageAnswer EscapeAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::OkCancel:
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

}  // namespace

QString QtMessages::ScreenText(const std::string& text) {
    return QString::fromStdString(MessageLines(text));
}

MessageAnswer QtMessages::Show(const MessageBox& box) {
    QMessageBox dialog(IconOf(box.icon), QString::fromUtf8(kApplicationTitle), ScreenText(box.text),
                       QMessageBox::NoButton, parent_);
    dialog.setObjectName("messageBox");
    std::vector<std::pair<QAbstractButton*, MessageAnswer>> made;
    for (const ButtonSpec& spec : ButtonsOf(box.buttons)) {
        QPushButton* button = dialog.addButton(QString::fromUtf8(spec.text), spec.role);
        made.emplace_back(button, spec.answer);
        if (spec.answer == box.default_answer) dialog.setDefaultButton(button);
        if (spec.answer == EscapeAnswer(box.buttons)) dialog.setEscapeButton(button);
    }
    dialog.exec();
    for (const auto& [button, answer] : made) {
        if (dialog.clickedButton() == button) return answer;
    }
    return EscapeAnswer(box.buttons);
}

}  // namespace vertanum::app
