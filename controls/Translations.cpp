#include "controls/Translations.h"
#include "platform/InstalledFiles.h"
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace vok {

QTranslator* installQtTranslations(QCoreApplication& app, const QLocale& locale) {
    auto* translator = new QTranslator(&app);
    // The locale's languages in the user's order, as Qt reads them; Qt has an English file too,
    // so English before German keeps its texts English.
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    app.installTranslator(translator);
    return translator;
}

QTranslator* installVokTranslations(QCoreApplication& app, const QLocale& locale,
                                    const QString& folder) {
    if (!isTrustedInstalledPath(folder))
        return nullptr;
    for (const QString& language : locale.uiLanguages()) {
        const QLocale wanted(language);
        if (wanted.language() == QLocale::English)
            return nullptr;
        auto translator = std::make_unique<QTranslator>();
        // "vok_de_AT" falls back to "vok_de".
        if (translator->load(QStringLiteral("vok_") + wanted.name(), folder, QStringLiteral("_"))) {
            if (!isTrustedInstalledPath(translator->filePath()))
                continue;
            app.installTranslator(translator.get());
            translator->setParent(&app);
            return translator.release();
        }
    }
    return nullptr;
}

} // namespace vok
