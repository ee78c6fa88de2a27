// The source that the shared precompiled header is built beside; it holds no code.
