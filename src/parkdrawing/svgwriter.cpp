#include "svgwriter.h"

#include "season/utf8.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vendrix::parkdrawing {

namespace {

// A number with at most two decimals, trailing zeros dropped: "12", "12.5", "-0.25"; never "-0". Written
// from whole hundredths with the integer std::to_chars, which no locale or library version changes.
void appendNumber(std::string& out, double value) {
    const double hundredths = std::round(value * 100.0);
    if (!std::isfinite(hundredths) || std::abs(hundredths) > 1e15) {
        out += '0';
        return;
    }
    auto whole = static_cast<long long>(hundredths);
    std::array<char, 24> buffer{};
    char* end = buffer.data();
    if (whole < 0) {
        *end++ = '-';
        whole = -whole;
    }
    end = std::to_chars(end, buffer.data() + buffer.size(), whole / 100).ptr;
    const auto fraction = static_cast<int>(whole % 100);
    if (fraction != 0) {
        *end++ = '.';
        *end++ = static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0)
            *end++ = static_cast<char>('0' + fraction % 10);
    }
    out.append(buffer.data(), end);
}

void appendColour(std::string& out, Colour colour) {
    constexpr std::string_view hex = "0123456789abcdef";
    out += '#';
    for (const std::uint8_t part : {colour.red, colour.green, colour.blue}) {
        out += hex[part >> 4];
        out += hex[part & 0xF];
    }
}

void attribute(std::string& out, std::string_view name, double value) {
    out += ' ';
    out += name;
    out += "=\"";
    appendNumber(out, value);
    out += '"';
}

void colourAttribute(std::string& out, std::string_view name, Colour colour) {
    out += ' ';
    out += name;
    out += "=\"";
    appendColour(out, colour);
    out += '"';
}

void strokeAttributes(std::string& out, const Stroke& stroke) {
    colourAttribute(out, "stroke", stroke.colour);
    attribute(out, "stroke-width", stroke.width);
    if (stroke.dashed) {
        out += " stroke-dasharray=\"";
        appendNumber(out, stroke.width * 4);
        out += ' ';
        appendNumber(out, stroke.width * 2);
        out += '"';
    }
    if (stroke.roundEnds)
        out += " stroke-linecap=\"round\" stroke-linejoin=\"round\"";
}

void writeShape(std::string& out, const Shape& shape) {
    if (shape.points.empty() || (!shape.fill && !shape.stroke))
        return;
    out += "<path d=\"";
    for (std::size_t i = 0; i < shape.points.size(); ++i) {
        out += i == 0 ? "M" : i == 1 ? "L" : " ";
        appendNumber(out, shape.points[i].x);
        out += ' ';
        appendNumber(out, shape.points[i].y);
    }
    if (shape.closed)
        out += 'Z';
    out += '"';
    if (shape.fill)
        colourAttribute(out, "fill", *shape.fill);
    else
        out += " fill=\"none\"";
    if (shape.stroke)
        strokeAttributes(out, *shape.stroke);
    out += "/>\n";
}

void writeMarker(std::string& out, const Marker& marker) {
    if (marker.kind == Marker::Kind::Dot) {
        out += "<circle";
        attribute(out, "cx", marker.at.x);
        attribute(out, "cy", marker.at.y);
        attribute(out, "r", marker.size);
        colourAttribute(out, "fill", marker.colour);
        out += "/>\n";
        return;
    }
    const double arm = marker.size;
    const Point a = marker.at;
    Shape cross{{{a.x - arm, a.y - arm}, {a.x + arm, a.y + arm}},
                false,
                std::nullopt,
                Stroke{marker.colour, marker.lineWidth}};
    writeShape(out, cross);
    cross.points = {{a.x - arm, a.y + arm}, {a.x + arm, a.y - arm}};
    writeShape(out, cross);
}

void writeText(std::string& out, const TextRun& run) {
    out += "<text";
    attribute(out, "x", run.at.x);
    attribute(out, "y", run.at.y);
    attribute(out, "font-size", run.size);
    if (run.bold)
        out += " font-weight=\"bold\"";
    if (run.anchor == Anchor::Middle)
        out += " text-anchor=\"middle\"";
    else if (run.anchor == Anchor::End)
        out += " text-anchor=\"end\"";
    colourAttribute(out, "fill", run.colour);
    out += '>';
    SvgWriter::appendEscaped(out, run.text);
    out += "</text>\n";
}

// Whether a code point may stand in an XML 1.0 document at all, even as a character reference.
bool allowedInXml(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

} // namespace

void SvgWriter::appendEscaped(std::string& out, std::string_view utf8) {
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        if (lead < 0x80) {
            ++at;
            switch (lead) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            // Kept through an XML reader's line-end and attribute normalisation.
            case '\t':
                out += "&#9;";
                break;
            case '\n':
                out += "&#10;";
                break;
            case '\r':
                out += "&#13;";
                break;
            default:
                lead < 0x20 || lead == 0x7F ? out += kReplacement : out += static_cast<char>(lead);
            }
            continue;
        }
        // A well-formed character that XML allows is copied; anything else is replaced.
        const std::size_t start = at;
        const char32_t code = season::utf8::decode(utf8, at);
        if (code != season::utf8::kReplacement && allowedInXml(code) && !(code >= 0x7F && code <= 0x9F))
            out += utf8.substr(start, at - start);
        else
            out += kReplacement;
    }
}

std::string SvgWriter::write(const Drawing& drawing, const SvgOptions& options) {
    std::string out;
    out.reserve(8192);
    if (!options.fragment)
        out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"";
    attribute(out, "width", drawing.width);
    attribute(out, "height", drawing.height);
    out += " viewBox=\"0 0 ";
    appendNumber(out, drawing.width);
    out += ' ';
    appendNumber(out, drawing.height);
    // Blanks in texts are kept as they are, as the Qt painter draws them (xml:space for SVG 1.1 readers,
    // white-space for browsers showing the SVG inline).
    out += "\" font-family=\"Liberation Sans, Arial, Helvetica, sans-serif\" xml:space=\"preserve\" "
           "style=\"white-space:pre\">\n<title>";
    appendEscaped(out, options.title);
    out += "</title>\n";
    if (!options.description.empty()) {
        out += "<desc>";
        appendEscaped(out, options.description);
        out += "</desc>\n";
    }
    out += "<rect";
    attribute(out, "width", drawing.width);
    attribute(out, "height", drawing.height);
    colourAttribute(out, "fill", drawing.background);
    out += "/>\n";
    for (const Primitive& item : drawing.items) {
        if (const auto* shape = std::get_if<Shape>(&item))
            writeShape(out, *shape);
        else if (const auto* marker = std::get_if<Marker>(&item))
            writeMarker(out, *marker);
        else
            writeText(out, std::get<TextRun>(item));
    }
    out += "</svg>\n";
    return out;
}

} // namespace vendrix::parkdrawing
