#pragma once
#include <QByteArray>

namespace vok {

// A token that lets the copy of Vok already running take the focus: the launcher's, when it
// gave one in $XDG_ACTIVATION_TOKEN, else one the compositor hands out through XDG activation.
// Empty outside a Wayland session or when the compositor gives none; a token that is not plain
// printable text is never passed on.
QByteArray waylandActivationToken();

// Whether `token` can travel as one word of a line: 1-255 printable ASCII characters.
bool isActivationToken(const QByteArray& token);

} // namespace vok
