#pragma once

#include <QRectF>
#include <QString>
#include <vector>

#include "report/report_document.hpp"

class QPainter;
class QPagedPaintDevice;

namespace vertanum::app {

// One text of a laid-out page, in layout units (the page band is 758 units wide).
struct ReportItem {
    QRectF box;
    QString text;
    int point_size = 10;
    bool line = false;  // a line across the band instead of a text
};

struct ReportPage {
    std::vector<ReportItem> items;
};

inline constexpr double kReportBandWidth = 758.0;
// An A4 page with 10 mm margins, in the band's units.
inline constexpr double kReportPageHeight = 758.0 * 277.0 / 190.0;

// The bands of the report: the title once, the column heads and the footer "Лист N из M" on
// every page, one line per record, the summary with the time it was made at the end.
std::vector<ReportPage> LayOutReport(const ReportDocument& document);

// Arial where it is installed, else a face with the same metrics (Liberation Sans), else the
// system's sans serif.
QString ReportFontFamily();

// Draws one page scaled to `target` (device pixels).
void PaintReportPage(QPainter& painter, const ReportPage& page, const QRectF& target);

// Prints every page on a printer or a PDF writer; false when the device cannot be painted on.
bool PrintReport(const std::vector<ReportPage>& pages, QPagedPaintDevice& device);

// The report as a PDF file; false when it cannot be written.
bool ExportReportPdf(const ReportDocument& document, const QString& path);
// The report as plain UTF-8 text or as RTF, from the writers of the core.
bool ExportReportText(const ReportDocument& document, const QString& path);
bool ExportReportRtf(const ReportDocument& document, const QString& path);

// A prepared report kept in a file of its own (JSON) and read back.
bool SavePreparedReport(const ReportDocument& document, const QString& path);
bool LoadPreparedReport(const QString& path, ReportDocument& document);

}  // namespace vertanum::app
