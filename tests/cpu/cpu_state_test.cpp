#include <gtest/gtest.h>

#include "cpu/cpu_state.h"

namespace quillor {
namespace {

TEST(CpuState, PairsAreHighByteFirst) {
  CpuState cpu;
  cpu.SetBC(0x1234);
  cpu.SetHL(0xABCD);
  EXPECT_EQ(cpu.B, 0x12);
  EXPECT_EQ(cpu.C, 0x34);
  EXPECT_EQ(cpu.H(), 0xAB);
  EXPECT_EQ(cpu.L(), 0xCD);
}

}  // namespace
}  // namespace quillor
