#pragma once
#include "platform/DialogService.h"
#include <QDialog>

class QFontDialog;
class QPushButton;

namespace vok {

// The font dialog of the pies and the screens: the toolkit's font chooser with a "Colour..."
// button beside OK and Cancel, since Vok's fonts carry a colour. Esc anywhere in it cancels the
// whole dialog and Enter accepts it.
class FontColourDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontColourDialog(const FontChoice& initial, QWidget* parent = nullptr);

    // What OK gives: the initial font itself while the user has not changed the face, style or
    // size, so a font named by a substitute keeps its name.
    FontChoice choice() const;
    QFontDialog* chooser() const { return chooser_; }
    QPushButton* colourButton() const { return colourButton_; }

private:
    void showColour();

    FontChoice initial_;
    quint32 colour_;
    QFontDialog* chooser_;
    QPushButton* colourButton_;
};

} // namespace vok
