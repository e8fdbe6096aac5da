#include "report/report_rtf.hpp"

#include <cstdio>

#include "text/cp1251.hpp"
#include "text/utf8.hpp"

namespace vertanum {
namespace {

// Layout units of the report band in twips, so the 758-unit band fits an A4 page with 1 cm
// margins.
constexpr int kTwipsPerUnit = 14;
constexpr int kCaptionLeft = 20 * kTwipsPerUnit;
constexpr int kValueLeft = 392 * kTwipsPerUnit;
constexpr int kBandRight = 740 * kTwipsPerUnit;

void AppendRtfCodePoint(std::string& out, char32_t cp) {
    if (cp == '\\' || cp == '{' || cp == '}') {
        out += '\\';
        out += static_cast<char>(cp);
    } else if (cp == '\t') {
        out += "\\tab ";
    } else if (cp == '\n' || cp == '\r') {
        out += "\\line ";
    } else if (cp < 0x20) {
        // Other control characters have no place in the text.
    } else if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (auto byte = text::Cp1251ByteOf(cp)) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\'%02x", static_cast<unsigned>(*byte));
        out += buf;
    } else {
        // \uN takes a signed 16-bit number; characters beyond the first plane go as a surrogate
        // pair. "?" stands in for readers without Unicode.
        auto unit = [&](unsigned u) {
            out += "\\u" + std::to_string(static_cast<int>(static_cast<std::int16_t>(u))) + "?";
        };
        if (cp > 0xFFFF) {
            const auto v = static_cast<unsigned>(cp - 0x10000);
            unit(0xD800 + (v >> 10));
            unit(0xDC00 + (v & 0x3FF));
        } else {
            unit(static_cast<unsigned>(cp));
        }
    }
}

std::string Cell(std::string_view text) {
    return "\\pard\\intbl " + RtfText(text) + "\\cell ";
}

std::string RowStart(bool head) {
    std::string row = "\\trowd\\trgaph60\\trleft" + std::to_string(kCaptionLeft - 60);
    if (head) row += "\\trhdr";
    row += "\\cellx" + std::to_string(kValueLeft) + "\\cellx" + std::to_string(kBandRight);
    return row;
}

}  // namespace

std::string RtfText(std::string_view utf8) {
    std::string out;
    for (std::size_t pos = 0; pos < utf8.size();) {
        auto cp = text::NextCodePoint(utf8, pos);
        AppendRtfCodePoint(out, cp ? *cp : U'\uFFFD');
    }
    return out;
}

std::string WriteReportRtf(const ReportDocument& document) {
    std::string out;
    out += "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049\n";
    out += "{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}}\n";
    out += "{\\info{\\title " + RtfText(kReportTitle) + "}}\n";
    out += "\\paperw11906\\paperh16838\\margl567\\margr567\\margt567\\margb567\n";
    out += "{\\footer\\pard\\qr\\f0\\fs20 " + RtfText("Лист ") +
           "{\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}" + RtfText(" из ") +
           "{\\field{\\*\\fldinst NUMPAGES}{\\fldrslt 1}}\\par}\n";

    out += "\\pard\\li" + std::to_string(kCaptionLeft) + "\\f0\\fs20 " + RtfText(kReportHeading) +
           "\\tab " + RtfText(document.device_caption) + "\\par\n";
    out += "\\pard\\li" + std::to_string(kCaptionLeft) + "\\fs20\\par\n";

    out += RowStart(true) + "\\fs20\\b " + Cell(kReportParameterHead) + Cell(kReportValueHead) +
           "\\b0\\row\n";
    for (const auto& r : document.records) {
        out += RowStart(false) + "\\fs16 " + Cell(r.Caption) + Cell(r.Result) + "\\row\n";
    }

    out += "\\pard\\li" + std::to_string(kCaptionLeft) + "\\fs20\\par\n";
    out += "\\pard\\li" + std::to_string(kCaptionLeft) + "\\fs20 " + RtfText(kReportCreatedLabel) +
           " " + RtfText(document.date) + " " + RtfText(document.time) + "\\par\n";
    out += "\\pard\\li" + std::to_string(kCaptionLeft) + "\\brdrb\\brdrs\\brdrw10\\fs12 " +
           RtfText(kReportClosingLine) + "\\par\n";
    out += "}\n";
    return out;
}

}  // namespace vertanum
