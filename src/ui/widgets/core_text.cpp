#include "ui/widgets/core_text.h"

#include <QCoreApplication>

#include <string>

QString UiText(std::string_view key) {
    if (key.empty())
        return {};
    const std::string text(key);
    return QCoreApplication::translate(kCoreTextContext, text.c_str());
}
