#pragma once
#include "platform/Services.h"
#include "platform/fake/FakeDialogService.h"
#include "platform/fake/FakeDirectoryReader.h"
#include "platform/fake/FakeDriveTable.h"
#include "platform/fake/FakeMemoryInfo.h"
#include "platform/fake/FakePackageIndex.h"
#include "platform/fake/FakeProcessSnapshots.h"
#include "platform/fake/FakeResourceInfo.h"
#include "platform/fake/FakeSettingsFile.h"
#include "platform/fake/FakeSystemFacts.h"
#include "platform/fake/FakeTopLevelWindows.h"
#include "platform/fake/FakeTrash.h"
#include "platform/fake/FakeVersionFiles.h"

namespace vok {

// Fresh fakes for one test, handed to what it builds as `services`; drive C is "/" with 500.5
// Mb free of 1023.9 Mb. The file tree starts empty; the trash moves files out of it.
struct TestServices {
    TestServices();
    FakeDriveTable drives;
    FakeMemoryInfo memory;
    FakeDialogService dialogs;
    FakeDirectoryReader directories;
    FakeTrash trash;
    FakeSettingsFile settings;
    FakeResourceInfo resources;
    FakeProcessSnapshots processes;
    FakeTopLevelWindows windows;
    FakeSystemFacts system;
    FakeVersionFiles versions;
    FakePackageIndex packages;
    // The fakes above, as a screen or control is handed them at creation.
    Services services;
};

} // namespace vok
