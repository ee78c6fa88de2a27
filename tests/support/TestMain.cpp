// The main() of a folder's test program: `vok_platform_tests trash_test [QTest options]` (or
// `vok_platform_tests TrashTest`) runs the one class of trash_test.cpp, as its own program did, so
// that CTest still runs each class in a process of its own, in parallel, and names the one that
// failed.
#include "support/TestMain.h"
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace vok::test {

namespace {

struct TestClass {
    std::string className;
    ClassMain run;
};

// Filled by the test files' static registrations, before main().
std::map<std::string, TestClass>& registry() {
    static std::map<std::string, TestClass> classes;
    return classes;
}

std::string fileStem(const char* path) {
    std::string name(path);
    if (const auto slash = name.rfind('/'); slash != std::string::npos)
        name.erase(0, slash + 1);
    if (const auto dot = name.rfind('.'); dot != std::string::npos)
        name.erase(dot);
    return name;
}

} // namespace

bool registerClass(const char* file, const char* className, ClassMain run) {
    const bool added = registry().emplace(fileStem(file), TestClass{className, run}).second;
    if (!added)
        std::fprintf(stderr, "two test files named %s in one program\n", fileStem(file).c_str());
    return added;
}

} // namespace vok::test

int main(int argc, char* argv[]) {
    using vok::test::registry;
    // By its file's name, as CTest names it, or by its class's.
    auto chosen = argc > 1 ? registry().find(argv[1]) : registry().end();
    if (argc > 1 && chosen == registry().end())
        chosen = std::find_if(registry().begin(), registry().end(),
                              [&](const auto& c) { return c.second.className == argv[1]; });
    if (chosen == registry().end()) {
        std::fprintf(stderr, "usage: %s TEST [QTest options]; TEST is one of:\n", argv[0]);
        for (const auto& [name, testClass] : registry())
            std::fprintf(stderr, "  %s (%s)\n", name.c_str(), testClass.className.c_str());
        return 2;
    }
    // QTest sees the program's name and its own options, as a program of one class would.
    std::vector<char*> rest{argv[0]};
    rest.insert(rest.end(), argv + 2, argv + argc);
    rest.push_back(nullptr);
    return chosen->second.run(argc - 1, rest.data());
}
