// Writes the core's shown texts as a C++ source that the translation tools read: each text
// in the context the program translates core texts in.

#include "core/app/shown_texts.h"

#include <cstdio>
#include <string>

namespace {

std::string Literal(const std::string &text) {
    std::string literal = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            literal += '\\';
        literal += c;
    }
    return literal + '"';
}

} // namespace

int main() {
    std::puts(
        "// Generated from the core's page tables: the texts the program shows through UiText.");
    std::puts("static const char *const kCoreTexts[] = {");
    for (const std::string &text : dpmr::ShownCoreTexts())
        std::printf("    QT_TRANSLATE_NOOP(\"CoreText\", %s),\n", Literal(text).c_str());
    std::puts("};");
    return 0;
}
