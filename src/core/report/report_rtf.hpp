#pragma once

#include <string>
#include <string_view>

#include "report/report_document.hpp"

namespace vertanum {

// The report as an RTF document in Windows-1251 (\ansicpg1251) that any word processor opens:
// the heading, a two-column table whose head row repeats on every page, the time it was made,
// and "Лист N из M" in the page footer.
std::string WriteReportRtf(const ReportDocument& document);

// A UTF-8 text as RTF text: Windows-1251 bytes above 0x7F as \'xx, the characters \ { } escaped,
// a character outside Windows-1251 as \uN?.
std::string RtfText(std::string_view utf8);

}  // namespace vertanum
