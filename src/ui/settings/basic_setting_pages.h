#pragma once
// The pages of "Basic setting" with rules of their own: "Side Key" and "Password". "Basic",
// "Tone and Light" and "Menu" are their forms and tables alone.

#include "core/app/code_plug_document.h"
#include "ui/widgets/editor_page.h"

#include <memory>

class QLabel;
namespace Ui {
class CSideKeyPage;
class CPasswordPage;
} // namespace Ui

// Short and long press of each key; Monitor and the one-key calls take both presses. The
// picture shows the key whose list has the focus.
class CSideKeyPage : public CTablePage {
    Q_OBJECT
public:
    CSideKeyPage(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CSideKeyPage() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::CSideKeyPage> ui_;
};

// The password is hidden unless "Show" is ticked; the page says when "Password Permit" will
// not be stored because there is no password to ask for.
class CPasswordPage : public CTablePage {
    Q_OBJECT
public:
    CPasswordPage(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CPasswordPage() override;
    void LoadControls() override;

private:
    void UpdateNote();
    std::unique_ptr<Ui::CPasswordPage> ui_;
};
