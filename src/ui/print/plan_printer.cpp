#include "ui/print/plan_printer.h"

#include "core/print/print_document.h"

#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QPen>
#include <QPrinter>

namespace {

// Faces with the metrics the core measured with; fontconfig gives a compatible face.
QFont PrintFont(double size, bool bold) {
    QFont font(QStringLiteral("Helvetica"));
    font.setStyleHint(QFont::Helvetica);
    font.setPointSizeF(size);
    font.setBold(bold);
    font.setKerning(false); // the layout measured without kerning
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void PaintPage(QPainter &painter, const dpmr::PrintPage &page, double scale) {
    painter.setPen(Qt::NoPen);
    for (const dpmr::PageShade &shade : page.shades)
        painter.fillRect(
            QRectF(shade.x * scale, shade.y * scale, shade.width * scale, shade.height * scale),
            QColor::fromRgbF(shade.gray, shade.gray, shade.gray));
    for (const dpmr::PageLine &line : page.lines) {
        painter.setPen(QPen(Qt::black, line.width * scale));
        painter.drawLine(QPointF(line.x1 * scale, line.y1 * scale),
                         QPointF(line.x2 * scale, line.y2 * scale));
    }
    painter.setPen(Qt::black);
    for (const dpmr::PageText &text : page.texts) {
        painter.setFont(PrintFont(text.size, text.bold));
        painter.drawText(QPointF(text.x * scale, text.y * scale),
                         QString::fromStdString(text.text));
    }
}

} // namespace

dpmr::PaperSize PaperOf(const QPrinter &printer) {
    const QSizeF size = printer.pageLayout().fullRectPoints().size();
    return {"", size.width(), size.height()};
}

dpmr::PrintDocument DocumentToPrint(const dpmr::CodePlugDocument &document, bool withSettings) {
    dpmr::Image image = document.image;
    dpmr::BandLimits limits = document.limits;
    dpmr::StoreChannelTable(document.table, image, limits);
    return dpmr::PlanDocument(image, dpmr::HeaderFor(image, document.pathName, dpmr::TodayText()),
                              withSettings);
}

bool PrintOn(QPrinter &printer, const dpmr::PrintDocument &document) {
    printer.setFullPage(true); // the layout keeps its own margins from the paper's edge
    printer.setDocName(QString::fromStdString(document.header.fileName));
    const std::vector<dpmr::PrintPage> pages = dpmr::LayoutPages(document, PaperOf(printer));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const double scale = printer.resolution() / 72.0; // points to device pixels
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            printer.newPage();
        PaintPage(painter, pages[p], scale);
    }
    return painter.end();
}
