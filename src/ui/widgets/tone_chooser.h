#pragma once
// An editable chooser of the 261 tone texts. Typing is not completed, so "88" stays 88 until
// the tone rule turns it into D088N.

class QComboBox;

void FillToneChooser(QComboBox *combo);
