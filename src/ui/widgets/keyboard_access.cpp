#include "ui/widgets/keyboard_access.h"

#include "ui/widgets/buddy_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QSet>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <vector>

namespace {

using Place = std::vector<int>;

// Where a widget sits in its layout tree: a grid is read column by column, a form row by row,
// a box in order. Comparing these paths gives the visual column order without geometry, which
// hidden tab pages do not have yet.
bool FindPlace(QLayout *layout, QWidget *target, Place &place) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        Place here;
        if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            here = {column, row};
        } else if (auto *form = qobject_cast<QFormLayout *>(layout)) {
            int row = 0;
            QFormLayout::ItemRole role{};
            form->getItemPosition(i, &row, &role);
            here = {row, role == QFormLayout::LabelRole ? 0 : 1};
        } else {
            here = {i};
        }
        const auto size = place.size();
        place.insert(place.end(), here.begin(), here.end());
        if (QWidget *widget = item->widget()) {
            if (widget == target)
                return true;
            if (widget->isAncestorOf(target) && widget->layout() &&
                FindPlace(widget->layout(), target, place))
                return true;
        } else if (QLayout *inner = item->layout()) {
            if (FindPlace(inner, target, place))
                return true;
        }
        place.resize(size);
    }
    return false;
}

bool InsideCompound(QWidget *widget, QWidget *scope) {
    for (QWidget *up = widget->parentWidget(); up && up != scope; up = up->parentWidget())
        if (qobject_cast<QComboBox *>(up) || qobject_cast<QAbstractSpinBox *>(up) ||
            qobject_cast<QAbstractItemView *>(up) || qobject_cast<QTabBar *>(up) ||
            qobject_cast<QTabWidget *>(up))
            return true;
    return false;
}

bool TakesTab(QWidget *widget) {
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !widget->focusProxy() &&
           !widget->isHidden() && !widget->isWindow();
}

// The controls of `scope` outside any inner tab widget, and its tab widgets, in visual order.
std::vector<QWidget *> VisualOrder(QWidget *scope) {
    std::vector<std::pair<Place, QWidget *>> found;
    for (QWidget *widget : scope->findChildren<QWidget *>()) {
        if (InsideCompound(widget, scope) || !widget->isVisibleTo(scope))
            continue;
        if (!qobject_cast<QTabWidget *>(widget) && !TakesTab(widget))
            continue;
        Place place;
        if (scope->layout())
            FindPlace(scope->layout(), widget, place);
        found.emplace_back(std::move(place), widget);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<QWidget *> order;
    for (const auto &[place, widget] : found)
        order.push_back(widget);
    return order;
}

void AppendChain(QWidget *scope, std::vector<QWidget *> &chain) {
    for (QWidget *widget : VisualOrder(scope)) {
        auto *tabs = qobject_cast<QTabWidget *>(widget);
        if (!tabs) {
            chain.push_back(widget);
            continue;
        }
        chain.push_back(tabs->tabBar());
        for (int i = 0; i < tabs->count(); ++i)
            AppendChain(tabs->widget(i), chain);
    }
}

// The text with its shortcut on the letter at `at` of the plain text.
QString WithMnemonicAt(const QString &plain, qsizetype at) {
    QString escaped;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (i == at)
            escaped += u'&';
        escaped += plain[i] == u'&' ? QStringLiteral("&&") : QString(plain[i]);
    }
    return escaped;
}

// The letters a text could take, best first: the one the form gave, word starts, the rest.
QList<QChar> Candidates(const QString &text) {
    QList<QChar> letters;
    const QChar given = MnemonicOf(text);
    if (!given.isNull())
        letters << given;
    const QString plain = WithoutMnemonic(text);
    for (int pass = 0; pass < 2; ++pass)
        for (qsizetype i = 0; i < plain.size(); ++i) {
            const QChar c = plain[i].toLower();
            const bool wordStart = i == 0 || !plain[i - 1].isLetterOrNumber();
            if (c.isLetterOrNumber() && c.unicode() < 128 && (pass == 1 || wordStart) &&
                !letters.contains(c))
                letters << c;
        }
    return letters;
}

// One letter per text, none twice: a matching that moves a given shortcut only when another
// text has no letter left otherwise.
class LetterMatching {
public:
    LetterMatching(const std::vector<QList<QChar>> &candidates, const QSet<QChar> &taken)
        : candidates_(candidates), taken_(taken), chosen_(candidates.size()) {
        for (std::size_t i = 0; i < candidates_.size(); ++i) {
            QSet<QChar> visited;
            Place(i, visited);
        }
    }
    QChar Letter(std::size_t item) const { return chosen_[item]; }

private:
    bool Place(std::size_t item, QSet<QChar> &visited) {
        for (const QChar letter : candidates_[item]) {
            if (taken_.contains(letter) || visited.contains(letter))
                continue;
            visited.insert(letter);
            const auto owner = owners_.find(letter);
            if (owner == owners_.end() || Place(owner.value(), visited)) {
                owners_[letter] = item;
                chosen_[item] = letter;
                return true;
            }
        }
        return false;
    }

    const std::vector<QList<QChar>> &candidates_;
    const QSet<QChar> &taken_;
    std::vector<QChar> chosen_;
    QHash<QChar, std::size_t> owners_;
};

struct Named {
    QWidget *widget;
    QString text;
};

// Buddy labels and buttons with a text in `scope`, outside inner tab pages, in visual order.
std::vector<Named> Texted(QWidget *scope) {
    std::vector<std::pair<Place, Named>> found;
    for (QWidget *widget : scope->findChildren<QWidget *>()) {
        if (InsideCompound(widget, scope))
            continue;
        QString text;
        if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
            text = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            text = button->text();
        if (text.isEmpty() || (!widget->isVisibleTo(scope) && !qobject_cast<QLabel *>(widget)))
            continue;
        Place place;
        if (scope->layout())
            FindPlace(scope->layout(), widget, place);
        found.push_back({std::move(place), {widget, text}});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<Named> named;
    for (auto &[place, item] : found)
        named.push_back(item);
    return named;
}

void SetText(QWidget *widget, const QString &text) {
    if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(text);
}

// A label names a field (a buddy label, a check box's own text); a push button comes second
// and may go without a letter where the labels have used them all.
bool IsLabel(const QWidget *widget) {
    return qobject_cast<const QLabel *>(widget) || qobject_cast<const QCheckBox *>(widget) ||
           qobject_cast<const QRadioButton *>(widget);
}

QSet<QChar> AssignIn(QWidget *scope, QSet<QChar> taken) {
    std::vector<Named> named = Texted(scope);
    // A matching never takes a letter back from a text placed before: labels first.
    std::stable_partition(named.begin(), named.end(),
                          [](const Named &item) { return IsLabel(item.widget); });
    std::vector<QList<QChar>> candidates;
    for (const Named &item : named)
        candidates.push_back(Candidates(item.text));
    const LetterMatching matching(candidates, taken);
    for (std::size_t i = 0; i < named.size(); ++i) {
        const QChar letter = matching.Letter(i);
        if (letter == MnemonicOf(named[i].text))
            continue;
        const QString plain = WithoutMnemonic(named[i].text);
        if (letter.isNull()) {
            // Every letter of it belongs to another control: none rather than a shared one.
            SetText(named[i].widget, WithMnemonicAt(plain, -1));
            continue;
        }
        qsizetype at = -1;
        for (qsizetype k = 0; k < plain.size() && at < 0; ++k) {
            const bool wordStart = k == 0 || !plain[k - 1].isLetterOrNumber();
            if (plain[k].toLower() == letter && wordStart)
                at = k;
        }
        if (at < 0)
            at = plain.indexOf(letter, 0, Qt::CaseInsensitive);
        SetText(named[i].widget, WithMnemonicAt(plain, at));
    }
    for (std::size_t i = 0; i < named.size(); ++i)
        if (!matching.Letter(i).isNull())
            taken.insert(matching.Letter(i));
    return taken;
}

} // namespace

QChar MnemonicOf(const QString &text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

std::vector<QWidget *> TabChain(QWidget *window) {
    std::vector<QWidget *> chain;
    AppendChain(window, chain);
    return chain;
}

bool MoveFocusInVisualOrder(QWidget *window, bool next) {
    std::vector<QWidget *> chain;
    for (QWidget *widget : TabChain(window))
        if (widget->isVisible() && widget->isEnabled())
            chain.push_back(widget);
    if (chain.empty())
        return false;
    // The control that has the focus, or the one whose part has it (an editable list's edit).
    std::size_t at = chain.size();
    for (QWidget *focus = QApplication::focusWidget(); focus && at == chain.size();
         focus = focus->parentWidget())
        at = static_cast<std::size_t>(std::find(chain.begin(), chain.end(), focus) - chain.begin());
    std::size_t to = 0;
    if (at == chain.size())
        to = next ? 0 : chain.size() - 1;
    else
        to = next ? (at + 1) % chain.size() : (at + chain.size() - 1) % chain.size();
    chain[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void AssignMnemonics(QWidget *window) {
    const QSet<QChar> outer = AssignIn(window, {});
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>())
        for (int i = 0; i < tabs->count(); ++i)
            AssignIn(tabs->widget(i), outer);
}

void AddTabSwitchKeys(QTabWidget *tabs) {
    if (tabs->property("tabSwitchKeys").toBool())
        return;
    tabs->setProperty("tabSwitchKeys", true);
    const auto add = [tabs](const QKeySequence &keys, int direction) {
        auto *shortcut = new QShortcut(keys, tabs->window());
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, tabs, [tabs, direction] {
            if (tabs->count() > 0)
                tabs->setCurrentIndex((tabs->currentIndex() + direction + tabs->count()) %
                                      tabs->count());
        });
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_Tab), +1);
    add(QKeySequence(Qt::CTRL | Qt::Key_PageDown), +1);
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1);
    add(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
}

void PrepareForKeyboard(QWidget *window) {
    // Controls outside the field tables (lists, trees) are named by their labels too.
    const QHash<QWidget *, QString> labels = BuddyLabelTexts(window);
    for (auto label = labels.begin(); label != labels.end(); ++label)
        if (label.key()->accessibleName().isEmpty())
            label.key()->setAccessibleName(label.value());
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>())
        AddTabSwitchKeys(tabs);
    AssignMnemonics(window);
}
