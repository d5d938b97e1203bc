#pragma once

class QApplication;

namespace Sprache {

// The interface is German throughout: German locale for dates and numbers, and Qt's own German texts
// (context menus of text boxes, standard buttons) whatever the system's language.
void deutschEinrichten(QApplication& app);

} // namespace Sprache
