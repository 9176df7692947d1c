// Records how it was started and does what FAKE_BEHAVIOUR asks:
//   write (default)  write "converted" into the last argument, the output
//   empty            write nothing and exit 0, as real converters do in some failures
//   hang             start a grandchild, write both pids into FAKE_STARTED, sleep until killed
//   partial          write half the output, wait for the file FAKE_RELEASE, write the rest
//   alloc            touch FAKE_ALLOC_MB megabytes, then write; exit 3 if that fails
// Called with "--convert-to" it acts as the word processor: on a fresh
// profile it asks to be started again (exit 81), then writes OUTDIR/NAME.rtf
// for every "NAME.html" argument whose name does not hold "noword".
// A source whose name holds "locked", or whose text begins with it, needs
// "-upw secret" as an encrypted PDF needs its password: otherwise it
// complains and exits 1.
//   count            mark itself running in FAKE_RUNNING, append how many are
//                    running to FAKE_PEAKS, work 100 ms, unmark, then write
// FAKE_LOG receives one block per run: "RUN", "ARG <arg>" lines, "CWD <dir>".
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <string>
#include <unistd.h>

namespace {

std::string env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

void writeFile(const std::string& path, const std::string& text, const char* mode = "w")
{
    if (FILE* f = std::fopen(path.c_str(), mode)) {
        std::fputs(text.c_str(), f);
        std::fclose(f);
    }
}

void sleepMs(long milliseconds)
{
    timespec t{milliseconds / 1000, (milliseconds % 1000) * 1000000};
    nanosleep(&t, nullptr);
}

void record(int argc, char** argv)
{
    const std::string log = env("FAKE_LOG");
    if (log.empty())
        return;
    std::string block = "RUN " + std::string(argv[0]) + "\n";
    for (int i = 1; i < argc; ++i)
        block += "ARG " + std::string(argv[i]) + "\n";
    char cwd[4096] = {};
    block += "CWD " + std::string(getcwd(cwd, sizeof cwd) ? cwd : "?") + "\n";
    writeFile(log, block, "a");
}

bool hasArgument(int argc, char** argv, const char* name, const char* value)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0 && (!value || std::strcmp(argv[i + 1], value) == 0))
            return true;
    return false;
}

bool isLocked(const std::string& source)
{
    char start[7] = {};
    if (FILE* f = std::fopen(source.c_str(), "r")) {
        [[maybe_unused]] const size_t read = std::fread(start, 1, 6, f);
        std::fclose(f);
    }
    return source.find("locked") != std::string::npos || std::strcmp(start, "locked") == 0;
}

int wordProcessor(int argc, char** argv)
{
    std::string outdir;
    std::string profile;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--outdir" && i + 1 < argc)
            outdir = argv[i + 1];
        if (arg.rfind("-env:UserInstallation=file://", 0) == 0)
            profile = arg.substr(std::strlen("-env:UserInstallation=file://"));
    }
    const std::string marker = profile + "/ready";
    if (access(marker.c_str(), F_OK) != 0) {
        writeFile(marker, "");
        return 81;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.size() < 5 || arg.compare(arg.size() - 5, 5, ".html") != 0)
            continue;
        std::string name = arg.substr(arg.rfind('/') + 1);
        name = name.substr(0, name.size() - 5);
        if (name.find("noword") == std::string::npos)
            writeFile(outdir + "/" + name + ".rtf", "{\\rtf1 fake}\n");
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    record(argc, argv);
    const std::string behaviour = env("FAKE_BEHAVIOUR");
    const std::string output = argc > 1 ? argv[argc - 1] : "";
    const std::string source = argc > 2 ? argv[argc - 2] : "";
    if (hasArgument(argc, argv, "--convert-to", nullptr) && behaviour != "hang")
        return wordProcessor(argc, argv);
    if (isLocked(source) && !hasArgument(argc, argv, "-upw", "secret")) {
        std::fputs("Syntax Warning: May not be a PDF file\nCommand Line Error: Incorrect password\n", stderr);
        return 1;
    }
    if (behaviour == "empty")
        return 0;
    if (behaviour == "hang") {
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            for (;;)
                pause();
        }
        const std::string started = env("FAKE_STARTED");
        const std::string pids = std::to_string(getpid()) + " " + std::to_string(grandchild) + "\n";
        writeFile(started + ".tmp", pids);
        std::rename((started + ".tmp").c_str(), started.c_str());
        for (;;)
            pause();
    }
    if (behaviour == "partial") {
        writeFile(output, "<html><body>first half ");
        while (access(env("FAKE_RELEASE").c_str(), F_OK) != 0)
            sleepMs(5);
        writeFile(output, "second half</body></html>\n", "a");
        return 0;
    }
    if (behaviour == "alloc") {
        const size_t size = size_t(std::atol(env("FAKE_ALLOC_MB").c_str())) << 20;
        char* block = static_cast<char*>(std::malloc(size));
        if (!block)
            return 3;
        std::memset(block, 1, size);
        std::free(block);
    }
    if (behaviour == "count") {
        const std::string mark = env("FAKE_RUNNING") + "/" + std::to_string(getpid());
        writeFile(mark, "");
        int running = 0;
        if (DIR* dir = opendir(env("FAKE_RUNNING").c_str())) {
            while (dirent* entry = readdir(dir))
                running += entry->d_name[0] != '.';
            closedir(dir);
        }
        writeFile(env("FAKE_PEAKS"), std::to_string(running) + "\n", "a");
        sleepMs(100);
        std::remove(mark.c_str());
    }
    writeFile(output, "converted\n");
    return 0;
}
