#include "report/report_preview.hpp"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace vertanum::app {
namespace {

// Pixels of a page at zoom 1: the page's width on a 96 dpi screen.
constexpr double kScreenPageWidth = 190.0 / 25.4 * 96.0;
constexpr int kZoomPercents[] = {50, 75, 100, 125, 150, 200};

}  // namespace

TfrmPreview::TfrmPreview(ReportDocument document, QWidget* parent)
    : QDialog(parent, Qt::Window), document_(std::move(document)) {
    setObjectName("frmPreview");
    setWindowTitle(QString(kReportTitle));
    resize(860, 700);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tool_bar_ = new QToolBar(this);
    layout->addWidget(tool_bar_);
    tool_bar_->addAction("Печать", this, &TfrmPreview::Print)->setObjectName("actPrint");
    tool_bar_->addAction("Открыть", this, &TfrmPreview::Open)->setObjectName("actOpen");
    tool_bar_->addAction("Сохранить", this, &TfrmPreview::SaveAs)->setObjectName("actSave");
    tool_bar_->addSeparator();
    zoom_box_ = new QComboBox(tool_bar_);
    zoom_box_->setObjectName("cbxZoom");
    for (int percent : kZoomPercents) zoom_box_->addItem(QString("%1%").arg(percent), percent);
    zoom_box_->setCurrentIndex(2);
    connect(zoom_box_, &QComboBox::activated, this,
            [this](int index) { SetZoom(zoom_box_->itemData(index).toInt() / 100.0); });
    tool_bar_->addWidget(zoom_box_);
    tool_bar_->addSeparator();
    find_ = new QLineEdit(tool_bar_);
    find_->setObjectName("edtFind");
    find_->setPlaceholderText("Найти");
    find_->setMaximumWidth(200);
    tool_bar_->addWidget(find_);
    auto find = [this] {
        if (!FindNext(find_->text())) status_->setText("Текст не найден");
    };
    connect(find_, &QLineEdit::returnPressed, this, find);
    tool_bar_->addAction("Найти далее", this, find)->setObjectName("actFind");
    tool_bar_->addSeparator();
    tool_bar_->addAction("Закрыть", this, &QDialog::accept)->setObjectName("actClose");
    status_ = new QLabel(this);
    tool_bar_->addWidget(status_);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("sbxPages");
    scroll_->setAlignment(Qt::AlignHCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    sheet_ = new QWidget;
    sheet_layout_ = new QVBoxLayout(sheet_);
    sheet_layout_->setSpacing(12);
    scroll_->setWidget(sheet_);
    scroll_->setWidgetResizable(true);
    layout->addWidget(scroll_, 1);

    pages_ = LayOutReport(document_);
    Render();
}

void TfrmPreview::SetZoom(double zoom) {
    zoom_ = std::clamp(zoom, 0.25, 4.0);
    Render();
}

void TfrmPreview::Render() {
    for (QLabel* label : page_labels_) delete label;
    page_labels_.clear();
    const double width = kScreenPageWidth * zoom_;
    const double height = width * kReportPageHeight / kReportBandWidth;
    const double margin = width * 10.0 / 190.0;
    for (std::size_t n = 0; n < pages_.size(); ++n) {
        QImage image(
            QSize(static_cast<int>(width + 2 * margin), static_cast<int>(height + 2 * margin)),
            QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        if (static_cast<int>(n) == found_page_ && found_item_ >= 0) {
            const QRectF box = pages_[n].items[static_cast<std::size_t>(found_item_)].box;
            const double scale = width / kReportBandWidth;
            painter.fillRect(QRectF(margin + box.left() * scale, margin + box.top() * scale,
                                    box.width() * scale, box.height() * scale),
                             QColor(255, 230, 120));
        }
        PaintReportPage(painter, pages_[n], QRectF(margin, margin, width, height));
        painter.end();
        auto* label = new QLabel(sheet_);
        label->setPixmap(QPixmap::fromImage(image));
        label->setAlignment(Qt::AlignHCenter);
        sheet_layout_->addWidget(label);
        page_labels_.push_back(label);
    }
    status_->setText(QString("Листов: %1").arg(pages_.size()));
}

bool TfrmPreview::FindNext(const QString& text) {
    if (text.isEmpty()) return false;
    const int pages = static_cast<int>(pages_.size());
    int page = found_page_ < 0 ? 0 : found_page_;
    int item = found_page_ < 0 ? 0 : found_item_ + 1;
    // Once round every page, starting after the last text found.
    for (int step = 0; step <= pages; ++step, ++page, item = 0) {
        if (page >= pages) page = 0;
        const auto& items = pages_[static_cast<std::size_t>(page)].items;
        for (; item < static_cast<int>(items.size()); ++item) {
            if (items[static_cast<std::size_t>(item)].text.contains(text, Qt::CaseInsensitive)) {
                found_page_ = page;
                found_item_ = item;
                Render();
                const double scale = kScreenPageWidth * zoom_ / kReportBandWidth;
                QLabel* label = page_labels_[static_cast<std::size_t>(page)];
                scroll_->ensureVisible(
                    label->x() + label->width() / 2,
                    label->y() +
                        static_cast<int>((items[static_cast<std::size_t>(item)].box.top() + 40) *
                                         scale),
                    10, 80);
                return true;
            }
        }
    }
    return false;
}

void TfrmPreview::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    printer.setDocName(kReportTitle);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!PrintReport(pages_, printer)) {
        QMessageBox::critical(this, windowTitle(), "Не удалось напечатать отчет.");
    }
}

void TfrmPreview::SaveAs() {
    QString filter;
    const QString path = QFileDialog::getSaveFileName(
        this, "Сохранить отчет", QString(),
        "Подготовленный отчет (*.vrp);;Документ PDF (*.pdf);;Документ RTF (*.rtf);;"
        "Текст (*.txt)",
        &filter);
    if (path.isEmpty()) return;
    bool ok = false;
    if (filter.contains("*.pdf")) {
        ok = ExportReportPdf(document_, path);
    } else if (filter.contains("*.rtf")) {
        ok = ExportReportRtf(document_, path);
    } else if (filter.contains("*.txt")) {
        ok = ExportReportText(document_, path);
    } else {
        ok = SavePreparedReport(document_, path);
    }
    if (!ok) QMessageBox::critical(this, windowTitle(), "Не удалось записать файл\n" + path);
}

void TfrmPreview::Open() {
    const QString path = QFileDialog::getOpenFileName(this, "Открыть отчет", QString(),
                                                      "Подготовленный отчет (*.vrp)");
    if (path.isEmpty()) return;
    if (!LoadPrepared(path)) {
        QMessageBox::critical(this, windowTitle(),
                              "Файл не является подготовленным отчетом\n" + path);
    }
}

bool TfrmPreview::LoadPrepared(const QString& path) {
    ReportDocument loaded;
    if (!LoadPreparedReport(path, loaded)) return false;
    document_ = std::move(loaded);
    pages_ = LayOutReport(document_);
    found_page_ = found_item_ = -1;
    Render();
    return true;
}

}  // namespace vertanum::app
