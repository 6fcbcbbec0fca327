#include "ui/widgets/tone_chooser.h"

#include "ui/widgets/core_text.h"

#include "core/image/tone.h"

#include <QComboBox>

void FillToneChooser(QComboBox *combo) {
    combo->clear();
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    for (const std::string &tone : dpmr::ToneList())
        combo->addItem(UiText(tone));
    combo->setMaxVisibleItems(16);
}
