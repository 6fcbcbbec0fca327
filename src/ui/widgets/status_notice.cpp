#include "ui/widgets/status_notice.h"

#include <QAccessible>
#include <QMainWindow>
#include <QStatusBar>

namespace {

constexpr int kNoticeMs = 10000;

} // namespace

void ShowStatusNotice(QMainWindow &window, const QString &text) {
    QStatusBar *bar = window.statusBar();
    bar->showMessage(text, kNoticeMs);
    // The bar paints its message itself; its accessible description carries it, and an alert
    // makes screen readers speak it.
    bar->setAccessibleDescription(text);
    QAccessibleEvent changed(bar, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(bar, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
