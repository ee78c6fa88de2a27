#pragma once
#include "platform/DialogService.h"

class QWidget;

namespace vok {

// The dialogs as the user sees them: QMessageBox, QColorDialog and QFontDialog.
class QtDialogService : public DialogService {
public:
    void message(const QString& text) override;
    void error(const QString& text) override;
    Answer confirm(const QString& text, Buttons buttons) override;
    Answer confirmInformation(const QString& text, Buttons buttons) override;
    std::optional<quint32> chooseColor() override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;

private:
    quint32 lastColor_ = 0;
};

} // namespace vok
