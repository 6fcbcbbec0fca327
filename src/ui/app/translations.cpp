#include "ui/app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

std::unique_ptr<QTranslator> &ProgramTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator> &QtTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// Loads `name`_<language>.qm from `folder` into a fresh translator and installs it in place
// of the one held before.
bool Replace(std::unique_ptr<QTranslator> &held, const QLocale &locale, const QString &name,
             const QString &folder) {
    if (held)
        QCoreApplication::removeTranslator(held.get());
    held.reset();
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder))
        return false;
    QCoreApplication::installTranslator(translator.get());
    held = std::move(translator);
    return true;
}

} // namespace

bool InstallTranslations(const QLocale &locale) {
    Replace(QtTranslator(), locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return Replace(ProgramTranslator(), locale, QStringLiteral("dpmr-cps"),
                   QStringLiteral(":/i18n"));
}
