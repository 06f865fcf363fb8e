// The long fuzz of the INI edit: ini_fuzz [count [seed]], by default 10,000,000 edits from seed 1.
// Prints the count, the seed and the seconds; on a fault, the smallest input found that shows it.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>

#include "unit/protect/ini_invariants.h"

namespace {

bool parse(const char* text, std::uint64_t& out) {
  // stoull takes "-1" as a huge count.
  if (*text < '0' || *text > '9') return false;
  try {
    std::size_t used = 0;
    out = std::stoull(text, &used);
    return used == std::string(text).size();
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t count = 10000000, seed = 1;
  if (argc > 3 || (argc > 1 && !parse(argv[1], count)) || (argc > 2 && !parse(argv[2], seed))) {
    std::fprintf(stderr, "usage: ini_fuzz [count [seed]]\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const protecttest::ini::Run run = protecttest::ini::fuzz(count, seed);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("edits %llu seed %llu seconds %.1f\n", static_cast<unsigned long long>(run.done),
              static_cast<unsigned long long>(seed), seconds);
  if (run.fault) {
    std::printf("FAULT at edit %llu: %s\n%s\n", static_cast<unsigned long long>(run.done), run.why.c_str(),
                protecttest::ini::describe(*run.fault, run.got).c_str());
    return 1;
  }
  std::printf("all kept the invariants\n");
  return 0;
}
