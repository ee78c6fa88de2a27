#include "controls/Translations.h"
#include "support/OtherUser.h"
#include "support/Screens.h"
#include "support/ShownTexts.h"
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>
#include <sys/stat.h>

using namespace vok;

namespace {

// The windows built once in English and once in the user's language.
const QStringList kWindows{"main window", "file search", "directory space"};

// The texts that read the same in `language` as in English on purpose (languages_test.same).
QStringList sameOnPurpose(const QString& language) {
    QFile file(QStringLiteral(VOK_SAME_TEXTS));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", VOK_SAME_TEXTS);
    QStringList same;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const qsizetype tab = line.indexOf(u'\t');
        if (line.startsWith(u'#') || tab < 0)
            continue;
        const QString holdsFor = line.left(tab);
        if (holdsFor == u'*' || holdsFor == language)
            same << line.mid(tab + 1);
    }
    return same;
}

QStringList matches(const QString& text, const QRegularExpression& pattern) {
    QStringList found;
    for (const QRegularExpressionMatch& m : pattern.globalMatch(text))
        found << m.captured();
    return found;
}

// What a translation must keep of its English text: the figures shown, the placeholders, the
// blanks at either end that the screens' layout counts on, and a mnemonic where there is one.
QString kept(const QString& text, bool placeholders) {
    static const QRegularExpression figure(QStringLiteral("\\d+")), mark(QStringLiteral("%\\d"));
    static const QRegularExpression edges(QStringLiteral("^\\s*|\\s*$"));
    QStringList marks = matches(text, placeholders ? mark : figure);
    if (placeholders)
        marks.sort();
    QString plain = text;
    plain.remove(QStringLiteral("&&"));
    return marks.join(u',') + u'|' + matches(text, edges).join(u'|') + u'|' +
           QString::number(plain.count(u'&'));
}

bool mode(const QString& path, mode_t mode) {
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

bool hasLetter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
private slots:
    // Run with the locale of VOK_TEST_LANGUAGE's language in LANG, LC_MESSAGES or LANGUAGE;
    // "en" where English comes first: then the texts stay as they are.
    void windowsSpeakTheUsersLanguage() {
        const QString language = qEnvironmentVariable("VOK_TEST_LANGUAGE", QStringLiteral("en"));
        QList<ShownTexts> english;
        for (const QString& name : kWindows) {
            Screens s;
            const std::unique_ptr<QWidget> window = s.make(name);
            window->show();
            english << shownTexts(window.get());
        }
        QTranslator* qt = installQtTranslations(*qApp, QLocale::system());
        QTranslator* vok = installVokTranslations(*qApp, QLocale::system(),
                                                  QStringLiteral(VOK_TRANSLATIONS_BUILD_DIR));
        const auto uninstall = qScopeGuard([&] {
            for (QTranslator* t : {qt, vok})
                if (t)
                    QCoreApplication::removeTranslator(t);
        });
        if (language == u"en")
            QVERIFY(!vok);
        else
            QVERIFY2(vok && vok->language() == language, qPrintable(vok ? vok->language() : ""));

        const QStringList same = sameOnPurpose(language);
        QStringList untranslated, changed;
        for (qsizetype w = 0; w < kWindows.size(); ++w) {
            Screens s;
            const std::unique_ptr<QWidget> window = s.make(kWindows[w]);
            window->show();
            const ShownTexts shown = shownTexts(window.get());
            QCOMPARE(shown.size(), english[w].size());
            for (qsizetype i = 0; i < shown.size(); ++i) {
                const auto& [where, text] = shown[i];
                const QString& was = english[w][i].second;
                QCOMPARE(where, english[w][i].first);
                const QString place =
                    QStringLiteral("%1 %2: \"%3\" \"%4\"").arg(kWindows[w], where, was, text);
                if (language == u"en" ? text != was : kept(text, false) != kept(was, false))
                    changed << place;
                else if (language != u"en" && text == was && hasLetter(was) && !same.contains(was))
                    untranslated << place;
            }
        }
        // One line each: a long list would be cut short in a single message.
        for (const QString& text : untranslated + changed)
            qWarning("%s", qPrintable(text));
        QVERIFY2(untranslated.isEmpty(), "texts left in English, listed above");
        QVERIFY2(changed.isEmpty(), "figures, blanks or mnemonics changed, listed above");
    }

    // A translation decides what every window says: one that another account could have
    // written or swapped is not read.
    void onlyTrustedTranslationsAreRead_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("read");
        QTest::addRow("as installed") << "" << true;
        QTest::addRow("folder writable by its group") << "folder 775" << false;
        QTest::addRow("file writable by all") << "file 646" << false;
        QTest::addRow("file a link") << "file link" << false;
        QTest::addRow("folder a link") << "folder link" << false;
        QTest::addRow("file another user's") << "file other" << false;
        QTest::addRow("folder another user's") << "folder other" << false;
    }
    void onlyTrustedTranslationsAreRead() {
        QFETCH(QString, change);
        QFETCH(bool, read);
        const QTemporaryDir tmp;
        const QString folder = tmp.filePath("translations"), file = folder + "/vok_de.qm";
        QVERIFY(QDir().mkdir(folder) && mode(folder, 0755));
        QVERIFY(QFile::copy(VOK_TRANSLATIONS_BUILD_DIR "/vok_de.qm", file));
        QVERIFY(mode(file, 0644));
        const QString what = change.section(u' ', 1);
        const QString path = change.startsWith(u"folder") ? folder : file;
        const OtherUser other;
        if (what == u"other" && !other.failure.isEmpty())
            QSKIP(qPrintable(other.failure));
        if (what == u"775" || what == u"646")
            QVERIFY(mode(path, what == u"775" ? 0775 : 0646));
        if (what == u"link")
            QVERIFY(QFile::rename(path, tmp.filePath("real")) &&
                    QFile::link(tmp.filePath("real"), path));
        if (what == u"other")
            QVERIFY(other.give(path));
        QTranslator* t = installVokTranslations(*qApp, QLocale(QStringLiteral("de_DE")), folder);
        QCoreApplication::removeTranslator(t);
        delete t;
        QCOMPARE(t != nullptr, read);
    }

    // Every text of every language is translated and keeps what its English text must keep.
    void translationsAreComplete_data() {
        QTest::addColumn<QString>("file");
        const QDir folder(QStringLiteral(VOK_TRANSLATIONS_SOURCE_DIR));
        const QStringList files = folder.entryList({QStringLiteral("vok_*.ts")}, QDir::Files);
        QVERIFY(files.size() >= 2);
        for (const QString& f : files)
            QTest::newRow(qPrintable(f)) << folder.filePath(f);
    }
    void translationsAreComplete() {
        QFETCH(QString, file);
        QFile ts(file);
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QString source;
        QStringList faults;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                ++messages;
                const QString type = xml.attributes().value(QStringLiteral("type")).toString();
                const QString text = xml.readElementText();
                if (!type.isEmpty() || text.isEmpty())
                    faults << QStringLiteral("\"%1\": %2")
                                  .arg(source, type.isEmpty() ? "empty" : type);
                else if (kept(text, true) != kept(source, true))
                    faults << QStringLiteral("\"%1\" became \"%2\"").arg(source, text);
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 0);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
