#include "app/Languages.h"
#include "controls/Translations.h"
#include <QCoreApplication>
#include <QLocale>

namespace vok {

void speakTheUsersLanguage(QCoreApplication& app) {
    const QLocale user = QLocale::system();
    installQtTranslations(app, user);
    installVokTranslations(app, user,
                           QCoreApplication::applicationDirPath() +
                               QStringLiteral("/" VOK_TRANSLATIONS_FROM_PROGRAM));
}

} // namespace vok
