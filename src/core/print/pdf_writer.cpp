#include "core/print/pdf_writer.h"

#include <cstdio>

namespace dpmr {

namespace {

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// A PDF string literal in the Latin-1 range of WinAnsiEncoding; other characters become '?'.
std::string PdfString(const std::string &utf8) {
    std::string out = "(";
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        unsigned code = static_cast<unsigned char>(utf8[i]);
        if (code >= 0xC0 && code < 0xE0 && i + 1 < utf8.size()) {
            code = ((code & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F);
        } else if (code >= 0x80) {
            while (i + 1 < utf8.size() && (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80)
                ++i;
            code = '?';
        }
        if (code > 0xFF || code < 0x20)
            code = '?';
        if (code == '(' || code == ')' || code == '\\')
            out += '\\';
        if (code >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", code);
            out += escaped;
        } else {
            out += static_cast<char>(code);
        }
    }
    return out + ")";
}

// PDF puts the origin at the bottom-left corner; pages are laid out from the top-left.
std::string PageContent(const PrintPage &page, double height) {
    std::string content;
    for (const PageShade &shade : page.shades)
        content += Number(shade.gray) + " g " + Number(shade.x) + " " +
                   Number(height - shade.y - shade.height) + " " + Number(shade.width) + " " +
                   Number(shade.height) + " re f\n";
    content += "0 G\n";
    for (const PageLine &line : page.lines)
        content += Number(line.width) + " w " + Number(line.x1) + " " + Number(height - line.y1) +
                   " m " + Number(line.x2) + " " + Number(height - line.y2) + " l S\n";
    content += "0 g BT\n";
    for (const PageText &text : page.texts)
        content += (text.bold ? "/F2 " : "/F1 ") + Number(text.size) + " Tf 1 0 0 1 " +
                   Number(text.x) + " " + Number(height - text.y) + " Tm " + PdfString(text.text) +
                   " Tj\n";
    return content + "ET\n";
}

class PdfBuilder {
public:
    // Objects are numbered in the order they are added, from 1.
    int Add(const std::string &body) {
        offsets_.push_back(out_.size());
        const int number = static_cast<int>(offsets_.size());
        out_ += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
        return number;
    }
    int AddStream(const std::string &data) {
        return Add("<< /Length " + std::to_string(data.size()) + " >>\nstream\n" + data +
                   "endstream");
    }
    std::string Finish(int root, int info) {
        const std::size_t xref = out_.size();
        out_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
        for (std::size_t offset : offsets_) {
            char entry[24];
            std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
            out_ += entry;
        }
        out_ += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) + " /Root " +
                std::to_string(root) + " 0 R /Info " + std::to_string(info) +
                " 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
        return std::move(out_);
    }

private:
    std::string out_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets_;
};

} // namespace

std::string PdfDocument(const std::vector<PrintPage> &pages, const PaperSize &paper,
                        const std::string &title) {
    PdfBuilder pdf;
    // Fixed numbers for what the pages refer to: 1 the page tree, 2 and 3 the faces.
    const int pageCount = static_cast<int>(pages.size());
    const int firstPage = 4;
    std::string kids;
    for (int p = 0; p < pageCount; ++p)
        kids += std::to_string(firstPage + 2 * p) + " 0 R ";
    pdf.Add("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pageCount) +
            " /MediaBox [0 0 " + Number(paper.width) + " " + Number(paper.height) + "] >>");
    pdf.Add("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
    pdf.Add("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold "
            "/Encoding /WinAnsiEncoding >>");
    for (int p = 0; p < pageCount; ++p) {
        pdf.Add("<< /Type /Page /Parent 1 0 R /Resources << /Font << /F1 2 0 R /F2 3 0 R >> >> "
                "/Contents " +
                std::to_string(firstPage + 2 * p + 1) + " 0 R >>");
        pdf.AddStream(PageContent(pages[static_cast<std::size_t>(p)], paper.height));
    }
    const int root = pdf.Add("<< /Type /Catalog /Pages 1 0 R >>");
    const int info = pdf.Add("<< /Title " + PdfString(title) + " /Creator (dpmr-cps) >>");
    return pdf.Finish(root, info);
}

FileResult WritePdfFile(const std::string &path, const std::vector<PrintPage> &pages,
                        const PaperSize &paper, const std::string &title) {
    const std::string pdf = PdfDocument(pages, paper, title);
    return WriteFileAtomically(path, pdf.data(), pdf.size());
}

} // namespace dpmr
