// Runs a libFuzzer target without libFuzzer: feeds it random byte strings and
// mutations of earlier inputs from a fixed seed, so every run is repeatable.
// Usage: fuzz_<name> [iterations]
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    const long iterations = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    std::mt19937 rng(20261208u);
    std::vector<std::uint8_t> last;
    for (long i = 0; i < iterations; ++i) {
        std::vector<std::uint8_t> input;
        if (!last.empty() && (rng() & 1u)) {
            input = last;
            const unsigned edits = 1 + rng() % 8;
            for (unsigned e = 0; e < edits; ++e) {
                const std::size_t at = rng() % (input.size() + 1);
                switch (rng() % 3) {
                    case 0:
                        if (at < input.size()) input[at] = static_cast<std::uint8_t>(rng());
                        break;
                    case 1:
                        input.insert(input.begin() + static_cast<long>(at), static_cast<std::uint8_t>(rng()));
                        break;
                    default:
                        if (at < input.size()) input.erase(input.begin() + static_cast<long>(at));
                        break;
                }
            }
        } else {
            // Mostly printable text with line ends, sometimes any byte, sometimes long.
            const std::size_t size = (rng() % 16 == 0) ? rng() % 70000 : rng() % 2048;
            input.resize(size);
            const bool binary = rng() % 4 == 0;
            for (auto& b : input) {
                const unsigned r = rng();
                b = binary ? static_cast<std::uint8_t>(r)
                           : static_cast<std::uint8_t>(r % 10 == 0 ? "\r\n[]=,\x01\x04"[r % 8] : 32 + r % 95);
            }
        }
        LLVMFuzzerTestOneInput(input.data(), input.size());
        last.swap(input);
    }
    std::printf("%ld inputs ran\n", iterations);
    return 0;
}
