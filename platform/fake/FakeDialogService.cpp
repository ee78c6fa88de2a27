#include "platform/fake/FakeDialogService.h"

namespace vok {

Answer FakeDialogService::confirm(const QString& text, Buttons buttons) {
    confirmations << text;
    confirmButtons << buttons;
    confirmedAsInformation << false;
    return answers.isEmpty() ? Answer::Yes : answers.takeFirst();
}

Answer FakeDialogService::confirmInformation(const QString& text, Buttons buttons) {
    const Answer a = confirm(text, buttons);
    confirmedAsInformation.last() = true;
    return a;
}

std::optional<quint32> FakeDialogService::chooseColor() {
    return colors.isEmpty() ? std::nullopt : colors.takeFirst();
}

std::optional<FontChoice> FakeDialogService::chooseFont(const FontChoice& initial) {
    fontInitials << initial;
    return fonts.isEmpty() ? std::nullopt : fonts.takeFirst();
}

} // namespace vok
