#include "ui/widgets/combo_accessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox *combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return combo()->isEditable() ? combo()->lineEdit()->text() : combo()->currentText();
        return QAccessibleWidget::text(t); // the accessible name, else the buddy label
    }

    // The edit of an editable list, then the popup list.
    int childCount() const override { return combo()->isEditable() ? 2 : 1; }
    QAccessibleInterface *child(int index) const override {
        if (combo()->isEditable() && index == 0)
            return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        if (index == childCount() - 1)
            return QAccessible::queryAccessibleInterface(combo()->view());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override {
        if (action == showMenuAction() || action == pressAction())
            combo()->showPopup();
    }

private:
    QComboBox *combo() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *ComboBoxFactory(const QString &key, QObject *object) {
    auto *combo = qobject_cast<QComboBox *>(object);
    if (key == QLatin1String("QComboBox") && combo)
        return new NamedComboBox(combo);
    return nullptr;
}

} // namespace

void InstallComboBoxAccessibility() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(ComboBoxFactory);
}
