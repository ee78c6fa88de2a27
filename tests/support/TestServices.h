#pragma once
#include "platform/Services.h"
#include "platform/fake/FakeDialogService.h"
#include "platform/fake/FakeDriveTable.h"
#include "platform/fake/FakeMemoryInfo.h"
#include "platform/fake/FakeSettingsFile.h"

namespace vok {

// Installs fresh fakes for one test; drive C is "/" with 500.5 Mb free of 1023.9 Mb.
struct TestServices {
    TestServices();
    FakeDriveTable drives;
    FakeMemoryInfo memory;
    FakeDialogService dialogs;
    FakeSettingsFile settings;
    ScopedServices scope;
};

} // namespace vok
