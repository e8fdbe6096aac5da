#pragma once

#include <QComboBox>
#include <QDialog>

class QPushButton;

namespace vertanum {
class DeviceRegistry;
}

namespace vertanum::app {

// The drop-down list of the device picker: each model's picture left of its caption, the caption
// wrapped over several lines in a large font, also in the closed list.
class DeviceComboBox : public QComboBox {
    Q_OBJECT

  public:
    explicit DeviceComboBox(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// TfrmSelect: the device picker. One item per registered model in registry order, none chosen
// at first; OK only with a choice. The chosen item's index is the model's registry position.
class TfrmSelect : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmSelect(const DeviceRegistry& registry, QWidget* parent = nullptr);

    int SelectedPosition() const;
    DeviceComboBox* cbxSelect() const { return cbx_select_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    // The picture of a picture-list index (0 to 6), as the resources carry it.
    static QPixmap DevicePicture(int image_index);

  private:
    DeviceComboBox* cbx_select_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace vertanum::app
