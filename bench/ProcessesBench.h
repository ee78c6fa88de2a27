#pragma once

namespace vok::bench {

// vok-bench processes [--lines N | --colliding N]: the process tree on this machine, on a
// made-up snapshot of about N lines for the view's scrolling, or on a proc root of one process
// whose maps holds N files with (device, inode) keys chosen to collide in a fixed hash.
int processes(int argc, char* argv[]);

} // namespace vok::bench
