// Feeds every reader mutations of its seed: byte flips, insertions, deletions, repeated and
// truncated lines, huge and negative numbers, random tags. Deterministic, so a failure repeats.

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "fuzz_entry.h"

namespace {

const char* const kTokens[] = {"\r\n", "\n", "\r", "#", " ", "-1", "2147483647", "-2147483648", "99999999999999999999",
                               "1e39", "nan", "<", ">", "</", "\x81", "\x82\xa0", "\xfc", "\0", "-------------------------"};

std::string Mutate(std::string s, std::mt19937& rng) {
    auto pick = [&rng](std::size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
    int steps = 1 + static_cast<int>(pick(8));
    for (int i = 0; i < steps; ++i) {
        switch (pick(7)) {
        case 0:
            if (!s.empty()) s[pick(s.size())] = static_cast<char>(pick(256));
            break;
        case 1: s.insert(pick(s.size() + 1), kTokens[pick(std::size(kTokens))]); break;
        case 2:
            if (!s.empty()) {
                std::size_t at = pick(s.size());
                s.erase(at, pick(16) + 1);
            }
            break;
        case 3: {  // repeat a slice
            if (s.empty()) break;
            std::size_t at = pick(s.size());
            std::size_t len = pick(std::min<std::size_t>(s.size() - at, 200)) + 1;
            std::string slice = s.substr(at, len);
            for (std::size_t k = pick(4); k > 0; --k) s.insert(at, slice);
            break;
        }
        case 4: s.resize(pick(s.size() + 1)); break;
        case 5: s.insert(pick(s.size() + 1), std::string(pick(5000), static_cast<char>('A' + pick(26)))); break;
        case 6: {  // replace a number-like run with an extreme number
            std::size_t at = s.find_first_of("0123456789", pick(s.size() + 1));
            if (at != std::string::npos) s.replace(at, 1, kTokens[5 + pick(6)]);
            break;
        }
        }
    }
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
    std::mt19937 rng(12345);
    for (const auto& reader : lw::fuzz::Readers()) {
        std::string seed = reader.seed();
        reader.read(seed);
        reader.read("");
        for (int i = 0; i < rounds; ++i) reader.read(Mutate(seed, rng));
        std::printf("%s: %d mutated inputs read\n", reader.name, rounds);
    }
    return 0;
}
