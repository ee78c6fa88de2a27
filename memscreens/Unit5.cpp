// Unit5: the process tree screen (TFmMemTree).
#include "memscreens/Unit5.h"
#include "controls/ActivationWatcher.h"
#include "controls/Fonts.h"
#include "controls/Panel.h"
#include "controls/ScreenFonts.h"
#include "controls/ScreenFrame.h"
#include "controls/WorkPacer.h"
#include "memscreens/ProcessTreeLines.h"
#include "platform/DirectoryReader.h"
#include "platform/ErrorHandler.h"
#include "platform/ProcessSnapshot.h"
#include "platform/Services.h"
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace vok {

TFmMemTree::TFmMemTree(const Services& services, ScreenContext& context, QWidget* parent)
    : QDialog(parent), processes_(*services.processes), files_(*services.directories),
      dialogs_(*services.dialogs), context_(context) {
    setObjectName("FmMemTree");
    setWindowTitle(tr("Vok Windows 95 Memory Tree"));
    setFont(designFont("MS Sans Serif", -11));
    resize(648, 460);
    setWindowState(Qt::WindowMaximized);

    QWidget* client = screenClientArea(this);

    Button1 = new QPushButton(tr("Build Tree"), client);
    Button1->setObjectName("Button1");
    Button1->setGeometry(16, 0, 75, 25);
    connect(Button1, &QPushButton::clicked, this,
            guardedSlot(dialogs_, this, &TFmMemTree::Button1Click));

    Button2 = new QPushButton(tr("Expand Tree"), client);
    Button2->setObjectName("Button2");
    Button2->setGeometry(96, 0, 75, 25);
    connect(Button2, &QPushButton::clicked, this,
            guardedSlot(dialogs_, this, &TFmMemTree::Button2Click));

    Panel1 = new TPanel(client);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(176, 16, 449, 41);
    Panel1->setBevelInner(Bevel::Lowered);
    Panel1->setBevelOuter(Bevel::Lowered);
    Panel1->setText(QString());

    Label1 = new QLabel(tr("Fonts are set in the Directory  search screen for this memory tree "
                           "using the directory font."),
                        client);
    Label1->setObjectName("Label1");
    Label1->setTextFormat(Qt::PlainText);
    // The design's three lines need a narrow face; with the common sans faces the caption is
    // kept whole by a slightly smaller size and the room up to the panel.
    Label1->setGeometry(16, 30, 156, 42);
    Label1->setFont(designFont("MS Sans Serif", -10));
    Label1->setWordWrap(true);

    TreeView1 = new QTreeWidget(client);
    TreeView1->setObjectName("TreeView1");
    TreeView1->setGeometry(16, 72, 617, 353);
    TreeView1->setHeaderHidden(true);
    TreeView1->setIndentation(19);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every line is one text line high, which lets the view scroll 100,000 lines smoothly.
    TreeView1->setUniformRowHeights(true);
    TreeView1->setFont(designFont("MS Sans Serif", -11));
    // A click opens the line's file at once; the arrow keys only move through the tree, and
    // Enter or Space opens the line they reached.
    connect(TreeView1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        runGuarded(dialogs_, [this, item] { TreeView1Change(item); });
    });
    TreeView1->installEventFilter(this);

    connect(new ActivationWatcher(this, ActivationWatcher::OtherPrograms::Ignore),
            &ActivationWatcher::activated, this,
            guardedSlot(dialogs_, this, &TFmMemTree::FormActivate));
    runGuarded(dialogs_, [this] { FormCreate(context_.display().DirFont); });
}

void TFmMemTree::FormCreate(const FontSetting& dirFont) {
    FontSetting font = dirFont;
    font.size = qMin(font.size, 10);
    applyFontSetting(TreeView1, font);
    applyFontSetting(Panel1, font);
    Panel1->setFontColor(font.color);
}

void TFmMemTree::FormActivate() {
    treeExpanded_ = false;
}

void TFmMemTree::FormResize() {
    // The design's widths and heights count the window frame (8 wide, 27 high with the caption);
    // these are measured in the client area.
    const int w = width() + 8;
    const int h = height() + 27;
    TreeView1->resize(qMax(40, w - 29), qMax(40, h - 98 - 8));
    Panel1->resize(qMax(40, w - 218), Panel1->height());
}

void TFmMemTree::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    runGuarded(dialogs_, [this] { FormResize(); });
}

bool TFmMemTree::eventFilter(QObject* watched, QEvent* e) {
    if (watched != TreeView1 || e->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, e);
    const auto* key = static_cast<QKeyEvent*>(e);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        runGuarded(dialogs_, [this] { TreeView1Change(TreeView1->currentItem()); });
        return true;
    default:
        return false;
    }
}

void TFmMemTree::Button1Click() {
    TreeView1->clear();
    // The window repaints while the tree is built; input waits until it ends.
    WorkPacer pacer(repaintOnly);
    const std::function<void()> pace = [&pacer] { pacer.now(); };
    const ProcessTreeLines tree = processTreeLines(processes_.take(pace));
    fill(tree.lines, pace);
    Panel1->setText(processTreeSummary(tree.totals));
}

void TFmMemTree::fill(const std::vector<TreeLine>& lines, const std::function<void()>& pace) {
    // Lines are grouped under their roots away from the view, which then takes the roots in
    // batches, each one insertion, so it repaints in between.
    QList<QTreeWidgetItem*> roots;
    roots.reserve(qsizetype(lines.size()));
    for (const TreeLine& line : lines) {
        auto* item = new QTreeWidgetItem(QStringList{line.text});
        if (line.level == 2 && !roots.isEmpty())
            roots.back()->addChild(item);
        else
            roots.append(item);
    }
    constexpr qsizetype batch = 2000;
    for (qsizetype i = 0; i < roots.size(); i += batch) {
        TreeView1->addTopLevelItems(roots.mid(i, batch));
        pace();
    }
}

void TFmMemTree::Button2Click() {
    if (treeExpanded_) {
        TreeView1->collapseAll();
        Button2->setText(tr("Expand Tree"));
        treeExpanded_ = false;
    } else {
        TreeView1->expandAll();
        Button2->setText(tr("Collapse"));
        treeExpanded_ = true;
    }
}

void TFmMemTree::TreeView1Change(QTreeWidgetItem* selected) {
    if (!selected)
        return;
    const QString path = lineFilePath(selected->text(0));
    if (path.isEmpty() || !files_.fileExists(path))
        return;
    context_.openFileInfo(path);
    // Coming back from the file information screen activates this one again.
    FormActivate();
}

} // namespace vok
