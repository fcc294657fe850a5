#pragma once

namespace ui {

// Qt's own texts in Japanese, whatever the system's language, as every text
// of the program is: the file dialog's captions, the standard buttons of
// message boxes. Call once, after the application object exists; without
// Qt's Japanese translations installed, Qt's texts stay English.
void useJapaneseQtTexts();

}  // namespace ui
