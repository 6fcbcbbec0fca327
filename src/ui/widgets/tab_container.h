#pragma once
// A modal editor made of tab pages. The page being left stores before the switch and the page
// entered loads; closing stores the current page, then reloads and stores every other page, so
// each store works on current data and the last one cannot undo another page's change.
// Enter and Esc never close it (unless a page lets them).

#include "ui/widgets/editor_dlg.h"

#include <vector>

class CEditorPage;
class QTabWidget;

class CTabContainerDlg : public CEditorDlg {
    Q_OBJECT
public:
    CTabContainerDlg(const QString &title, QWidget *parent);

    // Pages in tab order; FillChoices and LoadControls run for each as it is added.
    void AddPage(CEditorPage *page, const QString &title);
    QTabWidget *tabs() const { return tabs_; }
    CEditorPage *page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    int pageCount() const { return static_cast<int>(pages_.size()); }

protected:
    void StoreOnClose() override;
    bool SwallowsKey(int key) const override;

private:
    void OnCurrentChanged(int index);

    QTabWidget *tabs_;
    std::vector<CEditorPage *> pages_;
    int current_ = -1;
};

// What Enter and Esc do in a single-page editor: what the page says (kept from the dialog, as
// in the tab containers), or close it; a dialog with no button to press closes on both.
enum class EnterEsc { AsThePageSays, Close };

// A single-page editor: the page fills the dialog; it stores once when the dialog closes.
class CSinglePageDlg : public CEditorDlg {
    Q_OBJECT
public:
    CSinglePageDlg(const QString &title, CEditorPage *page, QWidget *parent,
                   EnterEsc enterEsc = EnterEsc::AsThePageSays);
    CEditorPage *page() const { return page_; }

protected:
    void StoreOnClose() override;
    bool SwallowsKey(int key) const override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    CEditorPage *page_;
    EnterEsc enterEsc_;
};
