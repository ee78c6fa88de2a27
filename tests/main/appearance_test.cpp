#include "controls/DirectoryListBox.h"
#include "controls/DriveComboBox.h"
#include "controls/HelpViewer.h"
#include "controls/Legibility.h"
#include "controls/PieGraf.h"
#include "controls/StringGrid.h"
#include "diskscreens/UnFilever.h"
#include "diskscreens/Unit2.h"
#include "diskscreens/Unit4.h"
#include "diskscreens/unfiletest.h"
#include "main/Unit1.h"
#include "memscreens/Unit5.h"
#include "memscreens/UtMem.h"
#include "support/ShownColours.h"
#include "support/TestScreenContext.h"
#include "support/TestServices.h"
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QtTest>

using namespace vok;

namespace {

// Every screen over the fake services, with a directory holding a file of a million bytes. A
// chosen colour and font reach each screen as its user gives them: through the shared fonts
// where the screen reads them, else through the screen's font command.
struct Screens {
    Screens() {
        t.directories.addFile("/d/big_file.dat", 1000000);
        t.drives.changeDirectory("/d");
        context.picker = &picker;
    }
    std::unique_ptr<QWidget> make(const QString& name, std::optional<FontChoice> chosen) {
        if (chosen) {
            const FontSetting stored{chosen->color, chosen->font.pointSize(),
                                     chosen->font.family()};
            context.settings.DirFont = context.settings.FilesFont = stored;
            t.dialogs.fonts << *chosen;
        }
        if (name == "main window")
            return std::make_unique<TfmVok>(t.services, QSize(640, 480));
        if (name == "directory space") {
            auto s = std::make_unique<TFmDir>(t.services, context);
            s->FormActivate();
            return s;
        }
        if (name == "file search") {
            auto s = std::make_unique<TfmFiles>(t.services, context);
            s->DirectoryListBox1->setDirectory("/d");
            s->Edit1->setText("*.dat");
            s->Button1Click();
            return s;
        }
        if (name == "directory tree") {
            auto s = std::make_unique<TfmTree>(t.services, context);
            if (chosen)
                s->Button3Click();
            s->DirectoryListBox1->setDirectory("/d");
            s->Button1Click();
            s->TreeView1Change(s->TreeView1->topLevelItem(0)); // lists the grid
            return s;
        }
        if (name == "running windows") {
            auto s = std::make_unique<TfmMem>(t.services, context);
            if (chosen)
                s->ListBox1Click();
            return s;
        }
        if (name == "process tree")
            return std::make_unique<TFmMemTree>(t.services, context);
        if (name == "file information")
            return std::make_unique<TFileInfo>(t.services, context);
        return std::make_unique<HelpViewer>(t.dialogs);
    }
    TestServices t;
    TDriveComboBox picker{t.drives};
    TestScreenContext context;
};

using Command = void (TfmVok::*)();

FontChoice fontOf(quint32 colour, int points = 8) {
    QFont f("DejaVu Sans");
    f.setPointSize(points);
    return FontChoice{f, colour};
}

} // namespace

class AppearanceTest : public QObject {
    Q_OBJECT
private slots:
    void everyFontSizeFollowsTheScreen() {
        TestServices t;
        TfmVok fm(t.services, QSize(1280, 1024)); // twice the design size
        fm.FormActivate();
        QCOMPARE(fm.Panel1->fontSize(), 24); // the read-out's 12 of Mb and Total
        const std::pair<Command, int> steps[] = {{&TfmVok::Bytes1Click, 20},
                                                 {&TfmVok::Kilobytes1Click, 22},
                                                 {&TfmVok::Real1Click, 22},
                                                 {&TfmVok::Large1Click, 24},
                                                 {&TfmVok::PageFile1Click, 24}};
        for (const auto& [command, size] : steps) {
            (fm.*command)();
            QCOMPARE(fm.Panel1->fontSize(), size);
        }
        fm.SettoDefault1Click();
        QCOMPARE(fm.PieGraf1->font().pointSize(), 16);
    }

    // Scaled fonts stay legible; the contrast of colour pairs.
    void fontsAndColoursStayLegible() {
        QFont pixels("Arial");
        pixels.setPixelSize(8);
        QCOMPARE(scaledFont(pixels, 800, 640).pixelSize(), 11);
        pixels.setPixelSize(16);
        QCOMPARE(scaledFont(pixels, 1280, 640).pixelSize(), 32);
        QFont points("Arial");
        points.setPointSize(10);
        QCOMPARE(scaledFont(points, 320, 640).pointSizeF(), 8.0);
        QCOMPARE(scaledFont(points, 960, 640).pointSizeF(), 15.0);
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(contrastRatio(Qt::red, Qt::red), 1.0);
        QCOMPARE(qRound(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white) * 100), 454);
    }

    void longReadOutShrinksToFitItsPanel() {
        TestServices t;
        TfmVok fm(t.services, QSize(640, 480));
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));
        fm.Panel1->setFontSize(11);
        fm.Panel1->setText("12582912/4194304/16777216Kb Used/free/total");
        const QImage img = fm.Panel1->grab().toImage();
        // Yellow text reaches neither edge of the panel: it was fitted, not cut.
        auto yellowInColumn = [&img](int x) {
            for (int y = 0; y < img.height(); ++y)
                if (img.pixelColor(x, y).red() > 200 && img.pixelColor(x, y).green() > 200 &&
                    img.pixelColor(x, y).blue() < 80)
                    return true;
            return false;
        };
        QVERIFY(!yellowInColumn(3));
        QVERIFY(!yellowInColumn(img.width() - 4));
        bool any = false;
        for (int x = 0; x < img.width(); ++x)
            any = any || yellowInColumn(x);
        QVERIFY(any);
        QCOMPARE(fm.Panel1->fontSize(), 11); // the size the read-out asked for is kept
    }

    // Where a screen gives its texts a colour, the pair with their background stays legible
    // under any desktop scheme; elsewhere both come from the palette.
    void textsReadOnTheirBackgrounds_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<int>("colour"); // chosen on the screen; -1 for the screen's own
        for (const char* screen :
             {"main window", "directory space", "file search", "directory tree", "running windows",
              "process tree", "file information", "help"})
            QTest::newRow(screen) << QString(screen) << true << -1;
        QTest::newRow("black chosen, dark") << "directory tree" << true << 0;
        QTest::newRow("black stored, dark") << "process tree" << true << 0;
        QTest::newRow("yellow, dark") << "file search" << true << 0x00FFFF;
        QTest::newRow("white, light") << "directory space" << false << 0xFFFFFF;
        QTest::newRow("grey, light") << "running windows" << false << 0xB0B0B0;
    }
    void textsReadOnTheirBackgrounds() {
        QFETCH(QString, screen);
        QFETCH(bool, dark);
        QFETCH(int, colour);
        const QPalette desktop = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(desktop); });
        QApplication::setPalette(dark ? test::darkPalette()
                                      : QApplication::style()->standardPalette());
        Screens s;
        const std::unique_ptr<QWidget> w =
            s.make(screen, colour < 0 ? std::nullopt : std::optional(fontOf(quint32(colour))));
        const QList<test::ShownText> texts = test::shownTexts(*w);
        QVERIFY(!texts.isEmpty());
        for (const test::ShownText& t : texts)
            QVERIFY2(contrastRatio(t.text, t.background) >= 4.5,
                     qPrintable(QStringLiteral("%1: %2 on %3, %4:1")
                                    .arg(t.where, t.text.name(), t.background.name())
                                    .arg(contrastRatio(t.text, t.background), 0, 'f', 2)));
    }

    // In a large font the grids' rows grow and the sizes keep every digit.
    void gridsFitALargeFont_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("afterListing"); // chosen with the Font command once listed
        QTest::newRow("directory tree") << "directory tree" << false;
        QTest::newRow("directory space") << "directory space" << false;
        QTest::newRow("directory space, chosen") << "directory space" << true;
        QTest::newRow("file search") << "file search" << false;
    }
    void gridsFitALargeFont() {
        QFETCH(QString, screen);
        QFETCH(bool, afterListing);
        Screens s;
        const std::unique_ptr<QWidget> w =
            s.make(screen, afterListing ? std::nullopt : std::optional(fontOf(0, 18)));
        if (afterListing) {
            s.t.dialogs.fonts << fontOf(0, 18);
            static_cast<TFmDir*>(w.get())->Files3Click();
        }
        const StringGrid* grid = w->findChild<StringGrid*>();
        QCOMPARE(grid->font().pointSize(), 18);
        const QFontMetrics fm(grid->font());
        QVERIFY(grid->rowHeight(0) >= fm.lineSpacing());
        QVERIFY(grid->cell(0, 0).endsWith("big_file.dat"));
        const QModelIndex size = grid->model()->index(0, 1);
        const auto* cells = qobject_cast<QStyledItemDelegate*>(grid->itemDelegateForIndex(size));
        const QString shown = cells->displayText(size.data(), QLocale());
        QCOMPARE(shown.trimmed(), QString("1000000"));
        const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid);
        const int room = grid->columnWidth(1) - 2 * (margin + 1) - 1; // text margins, grid line
        QVERIFY2(
            fm.horizontalAdvance(shown) <= room,
            qPrintable(QStringLiteral("%1 px in %2").arg(fm.horizontalAdvance(shown)).arg(room)));
    }

    void setToDefaultAndColourCommands() {
        TestServices t;
        TfmVok fm(t.services, QSize(640, 480));
        fm.SettoDefault1Click();
        QCOMPARE(fm.PieGraf1->mainColor(), quint32(255));
        QCOMPARE(fm.PieGraf1->sliceColor(), quint32(32768));
        QCOMPARE(fm.PieGraf1->fontColor(), quint32(0));
        QCOMPARE(fm.PieGraf1->font().pointSize(), 8);
        QCOMPARE(fm.PieGraf2->mainColor(), quint32(65535)); // the other pie is untouched

        t.dialogs.colors = {quint32(0xFF0000), std::nullopt, quint32(0x00FF00)};
        fm.Free1Click();
        fm.UsedSpace1Click(); // cancelled
        fm.PieSlice1Click();
        QCOMPARE(fm.PieGraf2->mainColor(), quint32(0xFF0000));
        QCOMPARE(fm.PieGraf2->sliceColor(), quint32(16711680));
        QCOMPARE(fm.PieGraf1->sliceColor(), quint32(0x00FF00));

        QFont chosen("Liberation Serif");
        chosen.setPointSize(11);
        t.dialogs.fonts = {FontChoice{chosen, 0x123456}};
        fm.TextFont2Click();
        QCOMPARE(fm.PieGraf2->font().family(), QString("Liberation Serif"));
        QCOMPARE(fm.PieGraf2->font().pointSize(), 11);
        QCOMPARE(fm.PieGraf2->fontColor(), quint32(0x123456));
        QCOMPARE(t.dialogs.fontInitials.size(), 1);
    }
};

QTEST_MAIN(AppearanceTest)
#include "appearance_test.moc"
