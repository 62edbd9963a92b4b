// A driver for the fuzz targets without libFuzzer, so that the ordinary
// build (any compiler) keeps them building and running: it feeds every
// file of the given corpus folders (or single files) to the target, then,
// for the given number of seconds, inputs made from them by small random
// edits. A finding ends the process as it would under libFuzzer (abort or
// a sanitizer's report), so a test that runs this driver fails.
//
//   fuzz_<name>_replay [-seconds=N] [-seed=S] PATH...

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

constexpr std::size_t kMaxInput = std::size_t{1} << 16;

// Bytes that steer the readers: line ends, delimiters, number characters,
// the Illustrator operators and the extremes.
constexpr char kInterestingBytes[] = "\n\r \t,;|-+.0123456789eEmLlcC\x00\xff";
constexpr std::string_view kInteresting(kInterestingBytes, sizeof kInterestingBytes - 1);

using Bytes = std::vector<std::uint8_t>;

void run(const Bytes& input) {
    LLVMFuzzerTestOneInput(input.data(), input.size());
}

Bytes readWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void collect(const std::filesystem::path& path, std::vector<Bytes>& corpus) {
    if (std::filesystem::is_directory(path)) {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(path)) {
            if (entry.is_regular_file()) files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        for (const auto& file : files) corpus.push_back(readWhole(file));
    } else {
        corpus.push_back(readWhole(path));
    }
}

class Mutator {
public:
    explicit Mutator(std::uint64_t seed) : random_(seed) {}

    Bytes mutate(const std::vector<Bytes>& corpus) {
        Bytes input = corpus[below(corpus.size())];
        const std::size_t edits = 1 + below(8);
        for (std::size_t i = 0; i < edits; ++i) edit(input, corpus);
        if (input.size() > kMaxInput) input.resize(kMaxInput);
        return input;
    }

private:
    std::size_t below(std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    std::uint8_t interesting() {
        return static_cast<std::uint8_t>(kInteresting[below(kInteresting.size())]);
    }

    void edit(Bytes& input, const std::vector<Bytes>& corpus) {
        const std::size_t at = below(input.size() + 1);
        switch (below(7)) {
            case 0:  // flip one bit
                if (at < input.size()) input[at] ^= static_cast<std::uint8_t>(1u << below(8));
                break;
            case 1:  // overwrite a byte
                if (at < input.size()) input[at] = interesting();
                break;
            case 2:  // insert a few bytes
                input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), 1 + below(4),
                             interesting());
                break;
            case 3: {  // delete a range
                const std::size_t length = below(std::min<std::size_t>(input.size() - at, 64) + 1);
                input.erase(input.begin() + static_cast<std::ptrdiff_t>(at),
                            input.begin() + static_cast<std::ptrdiff_t>(at + length));
                break;
            }
            case 4: {  // repeat a range
                const std::size_t length = below(std::min<std::size_t>(input.size() - at, 256) + 1);
                const Bytes range(input.begin() + static_cast<std::ptrdiff_t>(at),
                                  input.begin() + static_cast<std::ptrdiff_t>(at + length));
                input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), range.begin(),
                             range.end());
                break;
            }
            case 5: {  // splice in a piece of another input
                const Bytes& other = corpus[below(corpus.size())];
                const std::size_t from = below(other.size() + 1);
                const std::size_t length =
                    below(std::min<std::size_t>(other.size() - from, 512) + 1);
                input.insert(input.begin() + static_cast<std::ptrdiff_t>(at),
                             other.begin() + static_cast<std::ptrdiff_t>(from),
                             other.begin() + static_cast<std::ptrdiff_t>(from + length));
                break;
            }
            default:  // cut the end off
                input.resize(at);
                break;
        }
    }

    std::mt19937_64 random_;
};

bool option(std::string_view arg, std::string_view name, long long& value) {
    if (arg.substr(0, name.size()) != name) return false;
    value = std::atoll(std::string(arg.substr(name.size())).c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    long long seconds = 0;
    long long seed = 1;
    std::vector<Bytes> corpus;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (option(arg, "-seconds=", seconds) || option(arg, "-seed=", seed)) continue;
        collect(argv[i], corpus);
    }
    // The empty input always, whatever the corpus holds.
    corpus.emplace_back();
    for (const Bytes& input : corpus) run(input);
    std::size_t runs = corpus.size();
    Mutator mutator(static_cast<std::uint64_t>(seed));
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (seconds > 0 && std::chrono::steady_clock::now() < end) {
        for (int i = 0; i < 64; ++i) run(mutator.mutate(corpus));
        runs += 64;
    }
    std::printf("%zu inputs run (%zu from the corpus)\n", runs, corpus.size());
    return 0;
}
