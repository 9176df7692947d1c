// Feeds every file of the corpus folders given on the command line to the
// fuzz entry once, so the sanitizer build replays the corpus as a test.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& entry : fs::recursive_directory_iterator(argv[i])) {
            if (!entry.is_regular_file())
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            // A heap copy of exactly the file's length, so any read past
            // the end trips AddressSanitizer.
            std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
            auto* exact = new std::uint8_t[data.size() ? data.size() : 1];
            std::copy(data.begin(), data.end(), exact);
            LLVMFuzzerTestOneInput(exact, data.size());
            delete[] exact;
            ++count;
        }
    }
    std::printf("replayed %zu inputs\n", count);
    return count > 0 ? 0 : 1;
}
