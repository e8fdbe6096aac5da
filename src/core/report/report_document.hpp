#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "report/report_table.hpp"

namespace vertanum {

// The fixed texts of the parameter report.
inline constexpr const char* kReportTitle = "Вертанум. Отчет о параметрах.";
inline constexpr const char* kReportHeading = "Вертанум.";
inline constexpr const char* kReportParameterHead = "Название параметра";
inline constexpr const char* kReportValueHead = "Значение";
inline constexpr const char* kReportCreatedLabel = "Время создания отчета:";
inline constexpr const char* kReportClosingLine =
    "Отчет подготовлен программой «Вертанум» по данным открытого документа.";

// What the report prints: its heading with the model's caption, the column heads, the records,
// and when it was made.
struct ReportDocument {
    std::string device_caption;  // the model's Caption ("TypePribor")
    std::vector<ReportRecord> records;
    std::string date;  // dd.mm.yyyy, local time
    std::string time;  // hh:mm:ss, local time
};

ReportDocument MakeReportDocument(const ReportTable& table, const std::string& device_caption,
                                  std::chrono::system_clock::time_point created);

}  // namespace vertanum
