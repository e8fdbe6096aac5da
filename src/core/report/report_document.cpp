#include "report/report_document.hpp"

#include <ctime>

namespace vertanum {

ReportDocument MakeReportDocument(const ReportTable& table, const std::string& device_caption,
                                  std::chrono::system_clock::time_point created) {
    ReportDocument document;
    document.device_caption = device_caption;
    document.records = table.Records();
    const std::time_t t = std::chrono::system_clock::to_time_t(created);
    // The report is made on the user-interface thread only.
    const std::tm local = *std::localtime(&t);
    char buf[32];
    std::strftime(buf, sizeof buf, "%d.%m.%Y", &local);
    document.date = buf;
    std::strftime(buf, sizeof buf, "%H:%M:%S", &local);
    document.time = buf;
    return document;
}

}  // namespace vertanum
