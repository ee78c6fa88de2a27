#pragma once
#include "platform/MemoryReserve.h"
#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

namespace vok {

enum class Answer { Yes, No, Cancel };
enum class Buttons { YesNo, YesNoCancel };

// A font as the font dialog returns it: the face, size, style and colour.
struct FontChoice {
    QFont font;
    quint32 color = 0; // $00BBGGRR
};

// Every dialog Vok opens goes through here, so tests can answer and record them.
class DialogService {
public:
    virtual ~DialogService() = default;
    virtual void message(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
    virtual Answer confirm(const QString& text, Buttons buttons) = 0;
    // The same question shown as information (its icon), for a notice the user may decline.
    virtual Answer confirmInformation(const QString& text, Buttons buttons) = 0;
    // The dialog shows what was chosen last; nullopt when cancelled.
    virtual std::optional<quint32> chooseColor() = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;

    // Memory held back for saying that memory ran out (runGuarded takes it and gives it back
    // for the message): it lives as long as the dialogs that need it.
    MemoryReserve& room() noexcept { return room_; }

private:
    MemoryReserve room_{8u << 20};
};

} // namespace vok
