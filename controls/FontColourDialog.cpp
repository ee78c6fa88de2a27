#include "controls/FontColourDialog.h"
#include "platform/Colors.h"
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace vok {

namespace {

// The toolkit's font dialog living inside another dialog: whatever would close it (Esc, Enter,
// Enter in its lists) closes the dialog around it instead, leaving the chooser in place.
class EmbeddedFontChooser : public QFontDialog {
public:
    EmbeddedFontChooser(const QFont& font, QDialog* outer)
        : QFontDialog(font, outer), outer_(outer) {
        setWindowFlags(Qt::Widget);
        setOption(QFontDialog::NoButtons);
    }

    void done(int result) override { outer_->done(result); }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        // Without buttons of its own the chooser would swallow Enter.
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            done(Accepted);
            return;
        }
        QFontDialog::keyPressEvent(e);
    }

private:
    QDialog* outer_;
};

// The font as installed: a design name such as "Arial" is shown as the face that stands in for
// it, and a size in pixels as points, so the chooser can select both.
QFont installedFace(const QFont& f) {
    const QFontInfo info(f);
    QFont shown = f;
    shown.setFamilies({info.family()});
    shown.setStyleName(info.styleName());
    shown.setPointSizeF(info.pointSizeF());
    return shown;
}

bool sameFace(const QFont& a, const QFont& b) {
    const QFontInfo ia(a), ib(b);
    return ia.family() == ib.family() && ia.styleName() == ib.styleName() &&
           qRound(ia.pointSizeF() * 2) == qRound(ib.pointSizeF() * 2) &&
           a.underline() == b.underline() && a.strikeOut() == b.strikeOut();
}

} // namespace

FontColourDialog::FontColourDialog(const FontChoice& initial, QWidget* parent)
    : QDialog(parent), initial_(initial), colour_(initial.color),
      chooser_(new EmbeddedFontChooser(installedFace(initial.font), this)),
      colourButton_(new QPushButton(tr("Colour..."), this)) {
    setWindowTitle(tr("Font"));
    showColour();
    connect(colourButton_, &QPushButton::clicked, this, [this] {
        const QColor c = QColorDialog::getColor(toQColor(colour_), this);
        if (c.isValid()) {
            colour_ = fromQColor(c);
            showColour();
        }
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(colourButton_);
    row->addStretch();
    row->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chooser_);
    layout->addLayout(row);
}

void FontColourDialog::showColour() {
    QPixmap swatch(16, 16);
    swatch.fill(toQColor(colour_));
    colourButton_->setIcon(QIcon(swatch));
}

FontChoice FontColourDialog::choice() const {
    const QFont chosen = chooser_->currentFont();
    return FontChoice{sameFace(chosen, initial_.font) ? initial_.font : chosen, colour_};
}

} // namespace vok
