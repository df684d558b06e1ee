// quillor-zex: runs a CP/M instruction exerciser (zexdoc.com, zexall.com) on
// the bare processor and prints its output, the T-states and the wall time.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>

#include "fakes/cpm_machine.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <program.com>\n", argv[0]);
    return 2;
  }
  auto machine = std::make_unique<quillor::CpmMachine>();
  if (!machine->LoadProgram(argv[1])) {
    std::fprintf(stderr, "%s: cannot load %s\n", argv[0], argv[1]);
    return 1;
  }
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();
  // Runs in slices so that the groups' results appear as they finish.
  constexpr uint64_t kSlice = 200'000'000;
  size_t printed = 0;
  bool ended = false;
  while (!ended) {
    ended = machine->Run(machine->tstates + kSlice);
    std::fputs(machine->output.c_str() + printed, stdout);
    std::fflush(stdout);
    printed = machine->output.size();
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  std::printf("\n%llu T-states in %.2f s wall, %.2f s processor time (%.0f million T-states per second)\n",
              static_cast<unsigned long long>(machine->tstates), seconds, cpuSeconds,
              static_cast<double>(machine->tstates) / cpuSeconds / 1e6);
  return 0;
}
