#include "platform/linux/WaylandActivation.h"
#include "platform/linux/WaylandConnection.h"
#include "xdg-activation-v1-client-protocol.h"
#include <algorithm>
#include <wayland-client.h>

namespace vok {

namespace {

constexpr int kMostAnswers = 4;

void tokenDone(void* data, xdg_activation_token_v1*, const char* token) {
    *static_cast<QByteArray*>(data) = token;
}

const xdg_activation_token_v1_listener kTokenListener = {tokenDone};

QByteArray compositorToken() {
    WaylandConnection c;
    const auto* g = c.global("xdg_activation_v1");
    if (!g)
        return {};
    auto* activation = static_cast<xdg_activation_v1*>(
        wl_registry_bind(c.registry(), g->name, &xdg_activation_v1_interface, 1));
    xdg_activation_token_v1* request = xdg_activation_v1_get_activation_token(activation);
    QByteArray token;
    xdg_activation_token_v1_add_listener(request, &kTokenListener, &token);
    xdg_activation_token_v1_commit(request);
    for (int i = 0; i < kMostAnswers && token.isEmpty() && c.roundtrip(); ++i) {
    }
    xdg_activation_token_v1_destroy(request);
    xdg_activation_v1_destroy(activation);
    return token;
}

} // namespace

bool isActivationToken(const QByteArray& token) {
    return !token.isEmpty() && token.size() < 256 &&
           std::all_of(token.begin(), token.end(), [](char c) { return c > ' ' && c < 127; });
}

QByteArray waylandActivationToken() {
    if (!waylandSession())
        return {};
    const QByteArray launcher = qgetenv("XDG_ACTIVATION_TOKEN");
    if (isActivationToken(launcher))
        return launcher;
    const QByteArray asked = compositorToken();
    return isActivationToken(asked) ? asked : QByteArray();
}

} // namespace vok
