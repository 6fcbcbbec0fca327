// print-plan: the channel plan File > Print prints, as a PDF or HTML file, without a display.
// The core lays out the pages and writes the PDF, so the tool needs no graphics library.

#include "cli/tool_commands.h"
#include "core/image/code_plug_file.h"
#include "core/print/page_layout.h"
#include "core/print/pdf_writer.h"
#include "core/print/plan_html.h"

#include <cstdio>

namespace dpmr::cli {

int RunPrintPlanCommand(const ToolOptions &options) {
    const auto fail = [](const std::string &message) {
        std::fprintf(stderr, "dpmr-tool: %s\n", message.c_str());
        return kExitFailed;
    };
    Image image;
    if (const FileResult loaded = LoadCodePlugFile(options.file, image); !loaded)
        return fail(loaded.message);
    const PrintDocument document =
        PlanDocument(image, HeaderFor(image, options.file, TodayText()), options.withSettings);
    const PaperSize &paper = options.paper == "letter" ? kLetterPaper : kA4Paper;
    const FileResult written =
        options.html
            ? WriteHtmlFile(options.other, document)
            : WritePdfFile(options.other, LayoutPages(document, paper), paper,
                           document.tables.front().title + " - " + document.header.fileName);
    return written ? 0 : fail(written.message);
}

} // namespace dpmr::cli
