#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vertanum {

class RowModel;

// One printed line of the parameter report.
struct ReportRecord {
    std::string Name;     // the row's Name
    std::string Caption;  // the caption indented by its depth; "-" before headings
    std::string Result;   // the value as printed
};

// The sizes of the three fields in characters; longer texts are cut.
inline constexpr std::size_t kReportNameSize = 30;
inline constexpr std::size_t kReportCaptionSize = 100;
inline constexpr std::size_t kReportResultSize = 60;

// Spaces of indentation per level of the tree.
inline constexpr std::size_t kReportIndent = 5;

// The report table: one record per row of the editor, in display order.
class ReportTable {
  public:
    void Clear() { records_.clear(); }
    // Appends a record, each field cut to its size.
    void Append(ReportRecord record);
    const std::vector<ReportRecord>& Records() const { return records_; }
    std::size_t Count() const { return records_.size(); }

  private:
    std::vector<ReportRecord> records_;
};

// Empties the table and fills it from the rows, depth first in display order: a heading or a
// switched-off row as "-" and its caption with no value, a check row as "[X]" or "[  ]", any
// other row with its value text; captions indented by 5 spaces per level. Hidden rows (and what
// lies under them) are not shown in the editor and are not printed.
void FillReportTable(const RowModel& rows, ReportTable& table);

// The first `size` characters of a UTF-8 text.
std::string CutToCharacters(const std::string& text, std::size_t size);

}  // namespace vertanum
