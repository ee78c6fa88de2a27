#pragma once
#include <QString>
#include <stdexcept>

namespace vok {

// An operation that cannot go on; the text is what the user is shown.
class VokError : public std::runtime_error {
public:
    explicit VokError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

} // namespace vok
