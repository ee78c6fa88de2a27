#pragma once

class QCoreApplication;
class QLocale;
class QTranslator;

namespace vok {

// Qt's own texts (the buttons of its dialogs: Yes, No, Cancel) in the language locale asks for,
// from the translations Qt is installed with; the translator is app's. Null when there are none
// for it.
QTranslator* installQtTranslations(QCoreApplication& app, const QLocale& locale);

} // namespace vok
