#pragma once
// What the dialog tests share: a new document, a dialog opened and made active on it, and
// controls found by object name, focused and typed into as a user would.

#include "core/app/code_plug_document.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

#include <memory>
#include <vector>

template <class Dialog = QDialog> class DialogTest : public QObject {
protected:
    dpmr::CodePlugDocument document_;
    std::unique_ptr<Dialog> dialog_;

    template <class Opened = Dialog> void Open() {
        dialog_ = std::make_unique<Opened>(document_, nullptr);
        dialog_->show();
        QApplication::setActiveWindow(dialog_.get());
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    }
    // Stores through the dialog's own close handling, then destroys it.
    void Close() {
        dialog_->close();
        dialog_.reset();
    }
    void SelectTab(int index) {
        dialog_->template findChild<QTabWidget *>()->setCurrentIndex(index);
    }

    // The named control, focused when it can take the focus (as a click or its label's
    // shortcut would).
    template <class W> W *Control(const char *name) {
        auto *widget = dialog_->template findChild<W *>(name);
        if (widget && widget->isVisible() && widget->isEnabled()) {
            widget->setFocus();
            if (!QTest::qWaitFor([widget] { return widget->hasFocus(); }))
                qWarning("%s did not take the focus", name);
        }
        return widget;
    }
    QLineEdit *Edit(const char *name) { return Control<QLineEdit>(name); }
    QString Shown(const char *name) {
        return dialog_->template findChild<QLineEdit *>(name)->text();
    }
    // Replaces the text of an edit by typing; Tab leaves it unless `leave` is false.
    void Type(const char *name, const QString &text, bool leave = true) {
        QLineEdit *edit = Edit(name);
        QVERIFY2(edit, name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        if (leave)
            QTest::keyClick(edit, Qt::Key_Tab);
    }
    static void Paste(QWidget *edit, const QString &text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }
    std::vector<int> Bytes(std::size_t at, std::size_t n) const {
        std::vector<int> bytes;
        for (std::size_t i = 0; i < n; ++i)
            bytes.push_back(document_.image[at + i]);
        return bytes;
    }
};
