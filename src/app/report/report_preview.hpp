#pragma once

#include <QDialog>
#include <vector>

#include "report/report_layout.hpp"

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QToolBar;
class QVBoxLayout;

namespace vertanum::app {

// The report's preview: the pages at a zoom, printing, searching the text, saving and loading
// the prepared report, exports to text, RTF and PDF, and closing.
class TfrmPreview : public QDialog {
    Q_OBJECT

  public:
    TfrmPreview(ReportDocument document, QWidget* parent = nullptr);

    const ReportDocument& Document() const { return document_; }
    const std::vector<ReportPage>& Pages() const { return pages_; }
    double Zoom() const { return zoom_; }
    void SetZoom(double zoom);

    // Finds the next text containing `text` (any letter case) after the last one found, marks it
    // and scrolls to it; false when there is none.
    bool FindNext(const QString& text);
    // The page and item of the last text found; -1 when none.
    int FoundPage() const { return found_page_; }
    int FoundItem() const { return found_item_; }

    // Replaces the report by a prepared one from a file.
    bool LoadPrepared(const QString& path);
    QToolBar* ToolBar() const { return tool_bar_; }

  private:
    void Render();
    void Print();
    void SaveAs();
    void Open();

    ReportDocument document_;
    std::vector<ReportPage> pages_;
    double zoom_ = 1.0;
    int found_page_ = -1;
    int found_item_ = -1;
    QToolBar* tool_bar_ = nullptr;
    QComboBox* zoom_box_ = nullptr;
    QLineEdit* find_ = nullptr;
    QLabel* status_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* sheet_ = nullptr;
    QVBoxLayout* sheet_layout_ = nullptr;
    std::vector<QLabel*> page_labels_;
};

}  // namespace vertanum::app
