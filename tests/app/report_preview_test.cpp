// The parameter report: its table from a real document, the layout with its footer, the
// preview's search and prepared reports, the PDF and text exports read back.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>

#include "app_test_support.hpp"
#include "framework/editor/ins_devices.hpp"
#include "report/report_layout.hpp"
#include "report/report_preview.hpp"
#include "report/report_table.hpp"

using namespace vertanum;
using namespace vertanum::app;
using namespace vertanum::app::testing;

namespace {

ReportDocument KrvReport(WindowUnderTest& w) {
    w.NewKrv();
    ReportTable table;
    FillReportTable(*w->Editors().At(kKrv)->Rows(), table);
    return MakeReportDocument(table, w->Registry().At(kKrv)->Caption,
                              std::chrono::system_clock::now());
}

int Count(const QByteArray& bytes, const QByteArray& what) {
    int n = 0;
    for (qsizetype at = bytes.indexOf(what); at >= 0; at = bytes.indexOf(what, at + 1)) ++n;
    return n;
}

}  // namespace

class ReportPreviewTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QuietOffscreenWarnings(); }

    void krvTableAndLayout() {
        WindowUnderTest w;
        const ReportDocument report = KrvReport(w);
        QVERIFY(report.records.size() > 1400);
        QCOMPARE(QString::fromStdString(report.records[0].Caption), QString("Код мастера"));
        const auto pages = LayOutReport(report);
        QVERIFY(pages.size() > 10);
        const int total = static_cast<int>(pages.size());
        for (int n = 0; n < total; ++n) {
            const auto& items = pages[static_cast<std::size_t>(n)].items;
            QCOMPARE(items.back().text, QString("Лист %1 из %2").arg(n + 1).arg(total));
            QCOMPARE(items.back().box.left(), 556.0);
            // Every page starts with the column heads, after the title on the first.
            const std::size_t head = n == 0 ? 2 : 0;
            QCOMPARE(items[head].text, QString("Название параметра"));
            QCOMPARE(items[head + 1].box.left(), 392.0);
            for (const ReportItem& item : items) QVERIFY(item.box.bottom() <= kReportPageHeight);
        }
        QCOMPARE(pages[0].items[0].text, QString("Вертанум."));
        QCOMPARE(pages[0].items[1].text, QString("КРВ"));
        QCOMPARE(pages[0].items[1].box.left(), 128.0);
        // Every record is printed once, in order.
        std::size_t record = 0;
        for (const auto& page : pages) {
            for (std::size_t i = 0; i + 1 < page.items.size(); ++i) {
                if (page.items[i].point_size == 8 && page.items[i].box.left() == 20.0) {
                    QCOMPARE(page.items[i].text,
                             QString::fromStdString(report.records[record].Caption));
                    QCOMPARE(page.items[i + 1].text,
                             QString::fromStdString(report.records[record].Result));
                    ++record;
                }
            }
        }
        QCOMPARE(record, report.records.size());
        const QStringList fonts{"Arial", "Liberation Sans"};
        QVERIFY2(fonts.contains(ReportFontFamily()), qPrintable(ReportFontFamily()));
    }

    void exportsReadBack() {
        WindowUnderTest w;
        const ReportDocument report = KrvReport(w);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("report.pdf");
        QVERIFY(ExportReportPdf(report, pdf));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.trimmed().endsWith("%%EOF"));
        QCOMPARE(Count(bytes, "/Type /Page\n") + Count(bytes, "/Type /Page\r") +
                     Count(bytes, "/Type /Page>"),
                 static_cast<int>(LayOutReport(report).size()));
        QVERIFY(!QFile::exists(pdf + ".part"));

        const QString text = dir.filePath("report.txt");
        QVERIFY(ExportReportText(report, text));
        QFile text_file(text);
        QVERIFY(text_file.open(QIODevice::ReadOnly));
        const QString content = QString::fromUtf8(text_file.readAll());
        QVERIFY(content.contains("Код мастера"));
        QVERIFY(content.contains("КРВ"));
        QVERIFY(content.contains(QString::fromStdString(report.records.back().Caption).trimmed()));

        const QString rtf = dir.filePath("report.rtf");
        QVERIFY(ExportReportRtf(report, rtf));
        QFile rtf_file(rtf);
        QVERIFY(rtf_file.open(QIODevice::ReadOnly));
        QVERIFY(rtf_file.readAll().startsWith("{\\rtf1"));

        QVERIFY(!ExportReportText(report, dir.filePath("no/such/folder/report.txt")));
    }

    void previewZoomSearchAndPreparedReport() {
        WindowUnderTest w;
        TfrmPreview preview(KrvReport(w));
        QCOMPARE(preview.Zoom(), 1.0);
        preview.SetZoom(1.5);
        QCOMPARE(preview.Zoom(), 1.5);
        preview.SetZoom(100.0);
        QCOMPARE(preview.Zoom(), 4.0);
        preview.SetZoom(1.0);

        QVERIFY(preview.FindNext("пользователь"));
        const int first_page = preview.FoundPage();
        const int first_item = preview.FoundItem();
        QVERIFY(preview.Pages()[static_cast<std::size_t>(first_page)]
                    .items[static_cast<std::size_t>(first_item)]
                    .text.contains("Пользовател"));
        QVERIFY(preview.FindNext("пользователь"));
        QVERIFY(preview.FoundPage() > first_page || preview.FoundItem() > first_item);
        QVERIFY(!preview.FindNext("нет такого текста"));
        QVERIFY(preview.FindNext("Лист 2 из"));
        QCOMPARE(preview.FoundPage(), 1);

        QTemporaryDir dir;
        const QString path = dir.filePath("prepared.vrp");
        QVERIFY(SavePreparedReport(preview.Document(), path));
        ReportDocument other;
        other.device_caption = "другой";
        TfrmPreview second(other);
        QVERIFY(second.LoadPrepared(path));
        QCOMPARE(second.Document().records.size(), preview.Document().records.size());
        QCOMPARE(second.Document().records[5].Caption, preview.Document().records[5].Caption);
        QCOMPARE(second.Pages().size(), preview.Pages().size());
        WriteFile(dir.filePath("broken.vrp").toStdString(), "{\"format\":1}");
        QVERIFY(!second.LoadPrepared(dir.filePath("broken.vrp")));
        QCOMPARE(second.Document().records.size(), preview.Document().records.size());
    }
};

QTEST_MAIN(ReportPreviewTest)
#include "report_preview_test.moc"
