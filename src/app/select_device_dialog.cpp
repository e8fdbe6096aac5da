#include "select_device_dialog.hpp"

#include <QAbstractItemView>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "framework/device_registry.hpp"

namespace vertanum::app {
namespace {

constexpr int kItemHeight = 104;
constexpr int kPictureSize = 96;
constexpr int kCaptionPixels = 21;

QFont CaptionFont(const QFont& base) {
    QFont font = base;
    font.setPixelSize(kCaptionPixels);
    return font;
}

// The picture on the left, the caption wrapped beside it and centred vertically.
void PaintDeviceItem(QPainter& painter, const QRect& rect, const QIcon& icon,
                     const QString& caption, const QFont& font, const QColor& text_color) {
    const QRect picture(rect.left() + 4, rect.top() + (rect.height() - kPictureSize) / 2,
                        kPictureSize, kPictureSize);
    icon.paint(&painter, picture);
    const QRect text(picture.right() + 12, rect.top() + 2, rect.right() - picture.right() - 16,
                     rect.height() - 4);
    painter.save();
    painter.setFont(CaptionFont(font));
    painter.setPen(text_color);
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, caption);
    painter.restore();
}

class DeviceItemDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect,
                          selected ? option.palette.highlight() : option.palette.base());
        PaintDeviceItem(*painter, option.rect, index.data(Qt::DecorationRole).value<QIcon>(),
                        index.data(Qt::DisplayRole).toString(), option.font,
                        selected ? option.palette.color(QPalette::HighlightedText)
                                 : option.palette.color(QPalette::Text));
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return QSize(option.rect.width(), kItemHeight);
    }
};

}  // namespace

DeviceComboBox::DeviceComboBox(QWidget* parent) : QComboBox(parent) {
    setObjectName("cbxSelect");
    setItemDelegate(new DeviceItemDelegate(this));
    setIconSize(QSize(kPictureSize, kPictureSize));
    setMaxVisibleItems(5);
    // The list is taller than five items of the usual combo style would make it.
    view()->setMinimumHeight(5 * kItemHeight);
}

void DeviceComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0) return;
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    PaintDeviceItem(painter, field, itemIcon(currentIndex()), itemText(currentIndex()), font(),
                    palette().color(QPalette::Text));
}

QPixmap TfrmSelect::DevicePicture(int image_index) {
    return QPixmap(QString(":/pictures/device_%1.png").arg(image_index));
}

TfrmSelect::TfrmSelect(const DeviceRegistry& registry, QWidget* parent) : QDialog(parent) {
    setObjectName("frmSelect");
    setWindowTitle("Выберите устройство");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(708, 211);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("scbSelect");
    scroll->setGeometry(8, 8, 692, 150);
    auto* inner = new QWidget(scroll);
    inner->setFixedSize(668, 130);
    cbx_select_ = new DeviceComboBox(inner);
    cbx_select_->setGeometry(12, 10, 641, 108);
    scroll->setWidget(inner);

    // One item per registered model, in registry order; nothing chosen yet.
    cbx_select_->clear();
    for (int i = 0; i < registry.Count(); ++i) {
        const TDevices* model = registry.At(i);
        cbx_select_->addItem(QIcon(DevicePicture(model->ImageIndex)),
                             QString::fromStdString(model->Caption));
    }
    cbx_select_->setCurrentIndex(-1);

    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("btnOk");
    ok_->setGeometry(532, 172, 80, 28);
    ok_->setDefault(true);
    ok_->setEnabled(false);
    cancel_ = new QPushButton("Отмена", this);
    cancel_->setObjectName("btnCancel");
    cancel_->setGeometry(620, 172, 80, 28);

    connect(cbx_select_, &QComboBox::currentIndexChanged, this,
            [this](int index) { ok_->setEnabled(index >= 0); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

int TfrmSelect::SelectedPosition() const {
    return cbx_select_->currentIndex();
}

}  // namespace vertanum::app
