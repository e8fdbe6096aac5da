#include "config/file_io.hpp"
#include "document_texts.hpp"
#include "framework/document_files.hpp"
#include "main_window.hpp"

namespace vertanum::app {

void TfrmMain::UpdateTitle() {
    const TDevices* model = OpenModel();
    const std::string title =
        model ? WindowTitle(true, model->Caption, model->HasFile(), model->FileName)
              : WindowTitle(false, {}, false, {});
    setWindowTitle(QString::fromStdString(title));
}

void TfrmMain::RebuildRegistry() {
    registry_.FreeDeviceRegistry();
    registry_.BuildDeviceRegistry();
}

int TfrmMain::CreateNewF() {
    const std::optional<int> picked = dialogs_.PickDevice(this, registry_);
    if (!picked) return 0;
    if (IsOpened() >= 0 && devClose() == -1) return -1;
    return devOpen(16, *picked) == -1 ? -1 : 0;
}

int TfrmMain::devOpen(int mode, int position) {
    if (position == -1) return -1;
    std::string path;
    if (mode == 8) {
        const std::optional<std::string> chosen = dialogs_.OpenFileName(this);
        if (!chosen) return -1;
        path = *chosen;
        if (devClose() < 0) return -1;
    }
    if (IsOpened() >= 0 && devClose() < 0) return -1;

    // Every document starts from fresh model objects.
    RebuildRegistry();
    if (mode == 8) {
        position = registry_.GetTypeDevicesOfFile(path);
        if (position == -1) return -2;
    }
    TDevices* model = registry_.At(position);
    TInsDevices* editor = editors_->At(position);
    if (!model || !editor) return -1;
    if (mode == 8) model->FileName = path;

    if (editor->BuildEditor(*this, *model) < 0) {
        messages_.Error(DamagedFileMessage(model->FileName));
        return -5;
    }
    model->Opened = true;
    // A document read from its file has nothing unsaved yet; a new one has everything unsaved.
    if (mode == 8) model->Modified = false;
    UpdateTitle();
    MenuButtonEn();
    return 0;
}

int TfrmMain::OnlyFileName(const std::string& path, bool* backup_made) {
    if (backup_made) *backup_made = false;
    if (!config::FileExists(path)) return 2;
    const MessageAnswer answer = messages_.Show({MessageIcon::Question, OverwritePrompt(path),
                                                 MessageButtons::OkCancel, MessageAnswer::Ok});
    if (answer != MessageAnswer::Ok) return -1;
    const bool moved = MoveToBackup(path, messages_);
    if (backup_made) *backup_made = moved;
    return 1;
}

int TfrmMain::devSave(int mode, int position) {
    TDevices* model = registry_.At(position);
    if (!model) return 1;
    if (!model->HasFile()) mode |= 2;
    if ((mode & 3) == 0) return 1;

    const std::string previous_file = model->FileName;
    bool backup_made = false;
    if (mode & 2) {
        const std::optional<std::string> chosen = dialogs_.SaveFileName(this);
        if (!chosen) return -1;
        const int check = OnlyFileName(*chosen, &backup_made);
        if (check < 0) return check;
        model->FileName = *chosen;
    }
    if (model->SaveConfig() < 0) {
        // The save has already told the user why. The file that was there comes back, the
        // document keeps its name and its unsaved changes.
        if (backup_made) RestoreFromBackup(model->FileName);
        model->FileName = previous_file;
        return -1;
    }
    model->Modified = false;
    UpdateTitle();
    return 1;
}

int TfrmMain::devClose() {
    const int position = IsOpened();
    if (position < 0) return 3;
    TDevices* model = registry_.At(position);
    int result = 1;
    if (model->Modified) {
        const MessageAnswer answer =
            messages_.Show({MessageIcon::Information, SavePrompt(model->Caption),
                            MessageButtons::YesNoCancel, MessageAnswer::Yes});
        if (answer == MessageAnswer::Cancel) return -1;
        if (answer == MessageAnswer::Yes) {
            if (devSave(3, position) == -1) return -1;
            result = 2;
        }
    }
    editors_->At(position)->CloseEditor();
    model->Opened = false;
    UpdateTitle();
    MenuButtonEn();
    return result;
}

}  // namespace vertanum::app
