#include "report/report_table.hpp"

#include "config/configuration_file.hpp"
#include "framework/editor/row_model.hpp"
#include "text/utf8.hpp"

namespace vertanum {
namespace {

// A check row prints as checked when the number in its value text is not zero.
bool CheckedForReport(const Row& row) {
    auto number = config::ParseProfileInteger(row.Value());
    return number && *number != 0;
}

void AppendRow(const Row& row, std::size_t depth, ReportTable& table) {
    if (!row.Visible()) return;
    const std::string indent(kReportIndent * depth, ' ');
    if (row.Category()) {
        table.Append({row.Name(), indent + "-" + row.Caption(), {}});
    } else if (row.Kind() == RowKind::Check) {
        table.Append({row.Name(), indent + row.Caption(), CheckedForReport(row) ? "[X]" : "[  ]"});
    } else {
        table.Append({row.Name(), indent + row.Caption(), row.Value()});
    }
    for (const Row* child : row.Children()) AppendRow(*child, depth + 1, table);
}

}  // namespace

std::string CutToCharacters(const std::string& text, std::size_t size) {
    std::size_t pos = 0;
    for (std::size_t count = 0; count < size && pos < text.size(); ++count) {
        text::NextCodePoint(text, pos);
    }
    return pos >= text.size() ? text : text.substr(0, pos);
}

void ReportTable::Append(ReportRecord record) {
    record.Name = CutToCharacters(record.Name, kReportNameSize);
    record.Caption = CutToCharacters(record.Caption, kReportCaptionSize);
    record.Result = CutToCharacters(record.Result, kReportResultSize);
    records_.push_back(std::move(record));
}

void FillReportTable(const RowModel& rows, ReportTable& table) {
    table.Clear();
    for (const Row* row : rows.TopLevel()) AppendRow(*row, 0, table);
}

}  // namespace vertanum
