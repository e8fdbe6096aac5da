#include "report/report_layout.hpp"

#include <QFile>
#include <QFontDatabase>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "report/report_rtf.hpp"
#include "report/report_text.hpp"

namespace vertanum::app {
namespace {

constexpr double kTitleHeight = 28;
constexpr double kHeaderHeight = 22;
constexpr double kRecordHeight = 15;
constexpr double kSummaryHeight = 40;
constexpr double kFooterHeight = 22;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

ReportItem Text(double left, double top, double width, double height, QString text, int size) {
    return {QRectF(left, top, width, height), std::move(text), size, false};
}

bool WriteWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) return false;
    return file.commit();
}

}  // namespace

QString ReportFontFamily() {
    const QStringList families = QFontDatabase::families();
    for (const char* name : {"Arial", "Liberation Sans"}) {
        if (families.contains(name, Qt::CaseInsensitive)) return name;
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

std::vector<ReportPage> LayOutReport(const ReportDocument& document) {
    std::vector<ReportPage> pages;
    const double body_bottom = kReportPageHeight - kFooterHeight;
    double y = 0;
    auto new_page = [&] {
        pages.emplace_back();
        y = 0;
        if (pages.size() == 1) {
            ReportPage& page = pages.back();
            page.items.push_back(Text(20, y, 96, kTitleHeight, kReportHeading, 10));
            page.items.push_back(Text(128, y, 328, kTitleHeight, Q(document.device_caption), 10));
            y += kTitleHeight;
        }
        ReportPage& page = pages.back();
        page.items.push_back(Text(20, y, 372, kHeaderHeight, kReportParameterHead, 10));
        page.items.push_back(Text(392, y, 348, kHeaderHeight, kReportValueHead, 10));
        y += kHeaderHeight;
    };
    new_page();
    for (const ReportRecord& record : document.records) {
        if (y + kRecordHeight > body_bottom) new_page();
        ReportPage& page = pages.back();
        // The caption may run under the value column only as far as the value leaves room.
        page.items.push_back(
            Text(20, y, record.Result.empty() ? 684 : 368, kRecordHeight, Q(record.Caption), 8));
        page.items.push_back(Text(392, y, 348, kRecordHeight, Q(record.Result), 8));
        y += kRecordHeight;
    }
    if (y + kSummaryHeight > body_bottom) new_page();
    ReportPage& last = pages.back();
    last.items.push_back(Text(20, y + 8, 156, 18, kReportCreatedLabel, 10));
    last.items.push_back(Text(184, y + 8, 68, 18, Q(document.date), 10));
    last.items.push_back(Text(260, y + 8, 68, 18, Q(document.time), 10));
    last.items.push_back(Text(20, y + 28, 718, 10, kReportClosingLine, 6));

    const int total = static_cast<int>(pages.size());
    for (int n = 0; n < total; ++n) {
        pages[static_cast<std::size_t>(n)].items.push_back(
            Text(556, kReportPageHeight - kFooterHeight + 4, 180, 18,
                 QString("Лист %1 из %2").arg(n + 1).arg(total), 10));
    }
    return pages;
}

void PaintReportPage(QPainter& painter, const ReportPage& page, const QRectF& target) {
    const double scale = target.width() / kReportBandWidth;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    QFont font(ReportFontFamily());
    for (const ReportItem& item : page.items) {
        if (item.line) {
            painter.drawLine(item.box.topLeft(), item.box.topRight());
            continue;
        }
        // Sizes are points of a 758-unit band that is 190 mm wide on paper.
        font.setPixelSize(
            std::max(1, static_cast<int>(item.point_size * 758.0 / 190.0 * 25.4 / 72.0 + 0.5)));
        painter.setFont(font);
        painter.drawText(item.box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         painter.fontMetrics().elidedText(item.text, Qt::ElideRight,
                                                          static_cast<int>(item.box.width())));
    }
    painter.restore();
}

bool PrintReport(const std::vector<ReportPage>& pages, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // The painter's origin is the top left corner of the printable area inside the margins.
    const double width = device.width();
    const QRectF target(0, 0, width, width * kReportPageHeight / kReportBandWidth);
    for (std::size_t n = 0; n < pages.size(); ++n) {
        if (n > 0 && !device.newPage()) return false;
        PaintReportPage(painter, pages[n], target);
    }
    return painter.end();
}

bool ExportReportPdf(const ReportDocument& document, const QString& path) {
    const QString temporary = path + ".part";
    {
        QPdfWriter writer(temporary);
        writer.setTitle(kReportTitle);
        writer.setCreator("Вертанум");
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        writer.setResolution(300);
        if (!PrintReport(LayOutReport(document), writer)) {
            QFile::remove(temporary);
            return false;
        }
    }
    QFile::remove(path);
    if (!QFile::rename(temporary, path)) {
        QFile::remove(temporary);
        return false;
    }
    return true;
}

bool ExportReportText(const ReportDocument& document, const QString& path) {
    return WriteWhole(path, QByteArray::fromStdString(WriteReportText(document)));
}

bool ExportReportRtf(const ReportDocument& document, const QString& path) {
    return WriteWhole(path, QByteArray::fromStdString(WriteReportRtf(document)));
}

bool SavePreparedReport(const ReportDocument& document, const QString& path) {
    QJsonArray records;
    for (const ReportRecord& r : document.records) {
        records.append(QJsonArray{Q(r.Name), Q(r.Caption), Q(r.Result)});
    }
    const QJsonObject root{{"format", "vertanum-report"},
                           {"version", 1},
                           {"device", Q(document.device_caption)},
                           {"date", Q(document.date)},
                           {"time", Q(document.time)},
                           {"records", records}};
    return WriteWhole(path, QJsonDocument(root).toJson());
}

bool LoadPreparedReport(const QString& path, ReportDocument& document) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QJsonDocument json = QJsonDocument::fromJson(file.readAll());
    const QJsonObject root = json.object();
    if (root.value("format").toString() != "vertanum-report" || !root.value("records").isArray()) {
        return false;
    }
    ReportDocument loaded;
    loaded.device_caption = root.value("device").toString().toStdString();
    loaded.date = root.value("date").toString().toStdString();
    loaded.time = root.value("time").toString().toStdString();
    for (const QJsonValue& value : root.value("records").toArray()) {
        const QJsonArray fields = value.toArray();
        if (fields.size() != 3) return false;
        loaded.records.push_back({fields[0].toString().toStdString(),
                                  fields[1].toString().toStdString(),
                                  fields[2].toString().toStdString()});
    }
    document = std::move(loaded);
    return true;
}

}  // namespace vertanum::app
