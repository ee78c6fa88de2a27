#pragma once

namespace vok {

// True when the process at the other end of the connected local socket `fd` runs as this
// process's user: a socket in reach of another account answers for nobody else.
bool peerIsThisUser(int fd);

} // namespace vok
