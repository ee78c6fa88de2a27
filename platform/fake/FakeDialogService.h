#pragma once
#include "platform/DialogService.h"
#include <QList>
#include <QStringList>

namespace vok {

// Answers dialogs from queues and records what was asked.
class FakeDialogService : public DialogService {
public:
    void message(const QString& text) override { messages << text; }
    void error(const QString& text) override { errors << text; }
    Answer confirm(const QString& text, Buttons buttons) override;
    Answer confirmInformation(const QString& text, Buttons buttons) override;
    std::optional<quint32> chooseColor() override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;

    QStringList messages;
    QStringList errors;
    QStringList confirmations;
    QList<Buttons> confirmButtons;
    QList<bool> confirmedAsInformation;     // per confirmation: shown with the information icon
    QList<Answer> answers;                  // next answers to confirmations; Yes when empty
    QList<std::optional<quint32>> colors;   // next colour dialog results; cancel when empty
    QList<std::optional<FontChoice>> fonts; // next font dialog results; cancel when empty
    QList<FontChoice> fontInitials;
};

} // namespace vok
