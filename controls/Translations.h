#pragma once

class QCoreApplication;
class QLocale;
class QString;
class QTranslator;

namespace vok {

// Qt's own texts (the buttons of its dialogs: Yes, No, Cancel) in the language locale asks for,
// from the translations Qt is installed with; the translator is app's. Null when there are none
// for it.
QTranslator* installQtTranslations(QCoreApplication& app, const QLocale& locale);

// Vok's texts in the first of the locale's languages (LANGUAGE, LC_MESSAGES, LANG, as Qt reads
// them) that `folder` has a vok_<language>.qm for, unless English comes first: English is the
// texts' own language. Only a folder and a file that no other account can have written are
// read. Null when the texts stay English.
QTranslator* installVokTranslations(QCoreApplication& app, const QLocale& locale,
                                    const QString& folder);

} // namespace vok
