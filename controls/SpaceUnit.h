#pragma once

namespace vok {

// The unit a space figure is shown in. Only the settings file knows the stored codes.
enum class SpaceUnit { Mb, Kb, Bytes };

} // namespace vok
