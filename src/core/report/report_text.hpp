#pragma once

#include <string>

#include "report/report_document.hpp"

namespace vertanum {

// The report as plain UTF-8 text: the heading, the column heads, one line per record with the
// values in a column of their own, and the time it was made.
std::string WriteReportText(const ReportDocument& document);

}  // namespace vertanum
