// Replays files through a fuzz target without libFuzzer, so that every kept
// input (seeds and past crashes) is a regression test of the plain build.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char *argv[])
{
    namespace fs = std::filesystem;
    std::vector<fs::path> soubory;
    for (int i = 1; i < argc; ++i) {
        if (fs::is_directory(argv[i])) {
            for (const auto &z : fs::recursive_directory_iterator(argv[i]))
                if (z.is_regular_file())
                    soubory.push_back(z.path());
        } else {
            soubory.emplace_back(argv[i]);
        }
    }
    if (soubory.empty()) {
        std::fprintf(stderr, "no input files\n");
        return 1;
    }
    for (const fs::path &p : soubory) {
        std::ifstream f(p, std::ios::binary);
        if (!f) {
            std::fprintf(stderr, "cannot read %s\n", p.string().c_str());
            return 1;
        }
        const std::string obsah{std::istreambuf_iterator<char>(f), {}};
        // Printed first: an invariant that breaks aborts with this as its context.
        std::fprintf(stderr, "%s\n", p.string().c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(obsah.data()), obsah.size());
    }
    std::printf("%zu inputs replayed\n", soubory.size());
    return 0;
}
