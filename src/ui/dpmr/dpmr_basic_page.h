#pragma once
// "Basic": the radio's dPMR identity, codes, vocoder and timing options.

#include "ui/widgets/editor_page.h"

#include <memory>

namespace Ui {
class CDpmrBasicPage;
}

class CDpmrBasicPage : public CTablePage {
    Q_OBJECT
public:
    CDpmrBasicPage(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CDpmrBasicPage() override;

    void LoadControls() override;

private:
    void SplitIdentity();

    std::unique_ptr<Ui::CDpmrBasicPage> ui_;
};
