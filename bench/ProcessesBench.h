#pragma once

namespace vok::bench {

// vok-bench processes [--lines N]: the process tree on this machine, or on a made-up snapshot of
// about N lines for the view's scrolling.
int processes(int argc, char* argv[]);

} // namespace vok::bench
