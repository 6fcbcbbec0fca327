#pragma once
// The field-table pages of "Basic setting": "Basic", "Side Key", "Tone and Light", "Menu" and
// "Password".

#include "core/app/code_plug_document.h"
#include "ui/widgets/editor_page.h"

#include <memory>

class QLabel;
namespace Ui {
class CBasicPage;
class CSideKeyPage;
class CToneLightPage;
class CMenuPage;
class CPasswordPage;
} // namespace Ui

class CBasicPage : public CTablePage {
    Q_OBJECT
public:
    CBasicPage(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CBasicPage() override;

private:
    std::unique_ptr<Ui::CBasicPage> ui_;
};

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
    void OnCommit(int field);
    std::unique_ptr<Ui::CSideKeyPage> ui_;
};

class CToneLightPage : public CTablePage {
    Q_OBJECT
public:
    CToneLightPage(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CToneLightPage() override;

private:
    std::unique_ptr<Ui::CToneLightPage> ui_;
};

class CMenuPage : public CTablePage {
    Q_OBJECT
public:
    CMenuPage(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CMenuPage() override;

private:
    std::unique_ptr<Ui::CMenuPage> ui_;
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
