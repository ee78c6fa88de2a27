// A child for the live process snapshot test: maps FILE twice with a gap between the two
// mappings, loads LIBRARY, runs THREADS threads in all, says "ready" and waits for its stdin to
// close. With --many FILE COUNT it maps the first page of FILE COUNT times instead, each
// mapping of its own, as a process that wants to make others' snapshots costly would.
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <string_view>
#include <sys/mman.h>
#include <thread>
#include <unistd.h>
#include <vector>

int main(int argc, char* argv[]) {
    if (argc != 4)
        return 2;
    const bool many = std::string_view(argv[1]) == "--many";
    const int fd = open(argv[many ? 2 : 1], O_RDONLY);
    if (fd < 0)
        return 3;
    const long page = sysconf(_SC_PAGESIZE);
    // The same file offset every time: the kernel cannot merge the mappings into one.
    for (int i = 0; many && i < std::atoi(argv[3]); ++i)
        if (mmap(nullptr, size_t(page), PROT_READ, MAP_PRIVATE, fd, 0) == MAP_FAILED)
            return 4;
    // Page 0 at the start of a reserved area and page 2 eight pages further on.
    char* area = static_cast<char*>(
        mmap(nullptr, size_t(page) * 9, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    if (!many &&
        (area == MAP_FAILED ||
         mmap(area, size_t(page), PROT_READ, MAP_PRIVATE | MAP_FIXED, fd, 0) == MAP_FAILED ||
         mmap(area + page * 8, size_t(page), PROT_READ, MAP_PRIVATE | MAP_FIXED, fd, page * 2) ==
             MAP_FAILED))
        return 4;
    if (!many && !dlopen(argv[2], RTLD_NOW))
        return 5;
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return 6;
    std::vector<std::thread> threads;
    for (int i = 1; !many && i < std::atoi(argv[3]); ++i)
        threads.emplace_back([&] {
            char c;
            while (read(pipeFds[0], &c, 1) < 0) {
            }
        });
    std::puts("ready");
    std::fflush(stdout);
    char c;
    while (read(0, &c, 1) > 0) {
    }
    close(pipeFds[1]);
    for (auto& t : threads)
        t.join();
    return 0;
}
