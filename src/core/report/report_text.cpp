#include "report/report_text.hpp"

#include <algorithm>

#include "text/utf8.hpp"

namespace vertanum {
namespace {

std::size_t Width(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) text::NextCodePoint(text, pos);
    return count;
}

void AppendPadded(std::string& out, const std::string& text, std::size_t width) {
    out += text;
    const std::size_t w = Width(text);
    if (w < width) out.append(width - w, ' ');
}

}  // namespace

std::string WriteReportText(const ReportDocument& document) {
    std::size_t caption_width = Width(kReportParameterHead);
    for (const auto& r : document.records)
        caption_width = std::max(caption_width, Width(r.Caption));
    caption_width += 2;

    std::string out;
    out += std::string(kReportHeading) + " " + document.device_caption + "\n\n";
    AppendPadded(out, kReportParameterHead, caption_width);
    out += std::string(kReportValueHead) + "\n";
    out += std::string(caption_width + Width(kReportValueHead), '-') + "\n";
    for (const auto& r : document.records) {
        if (r.Result.empty()) {
            out += r.Caption;
        } else {
            AppendPadded(out, r.Caption, caption_width);
            out += r.Result;
        }
        out += '\n';
    }
    out +=
        "\n" + std::string(kReportCreatedLabel) + " " + document.date + " " + document.time + "\n";
    out += std::string(kReportClosingLine) + "\n";
    return out;
}

}  // namespace vertanum
