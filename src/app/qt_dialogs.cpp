#include <QFileDialog>
#include <QFileInfo>

#include "dialogs.hpp"
#include "document_texts.hpp"
#include "select_device_dialog.hpp"

namespace vertanum::app {
namespace {

std::optional<std::string> RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                         std::string& last_folder) {
    QFileDialog dialog(parent);
    dialog.setObjectName(mode == QFileDialog::AcceptOpen ? "dlgMainOpen" : "dlgMainSave");
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(QString::fromStdString(QtFileFilter(kDocumentFilter)));
    dialog.setDefaultSuffix(kDocumentExtension);
    // The save command asks about replacing a file itself, and keeps its backup.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!last_folder.empty()) dialog.setDirectory(QString::fromStdString(last_folder));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString path = dialog.selectedFiles().first();
    last_folder = QFileInfo(path).absolutePath().toStdString();
    return path.toStdString();
}

}  // namespace

std::optional<int> QtDialogs::PickDevice(QWidget* parent, const DeviceRegistry& registry) {
    TfrmSelect picker(registry, parent);
    if (picker.exec() != QDialog::Accepted || picker.SelectedPosition() < 0) return std::nullopt;
    return picker.SelectedPosition();
}

std::optional<std::string> QtDialogs::OpenFileName(QWidget* parent) {
    return RunFileDialog(parent, QFileDialog::AcceptOpen, last_folder_);
}

std::optional<std::string> QtDialogs::SaveFileName(QWidget* parent) {
    return RunFileDialog(parent, QFileDialog::AcceptSave, last_folder_);
}

}  // namespace vertanum::app
