// The runner's debugger: run to an address, single steps, the registers,
// memory dumps and disassembly as the debugger window shows them, and
// changing memory and registers. Addresses and values are hexadecimal.
#include <array>
#include <ostream>
#include <string>

#include "cli/option_table.h"
#include "debugger/disassembler.h"
#include "debugger/hex_text.h"
#include "machine/emulator.h"

namespace quillor::cli {
namespace {

constexpr long long kMaxSteps = 100'000'000;
constexpr long long kMaxLines = 65536;

// One to maxDigits hex digits, optionally after "0x"; -1 for anything else.
int ParseHex(std::string_view text, size_t maxDigits) {
  if (text.starts_with("0x") || text.starts_with("0X")) text.remove_prefix(2);
  if (text.empty() || text.size() > maxDigits) return -1;
  int value = 0;
  for (char c : text) {
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    const int digit = HexDigitValue(c);
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  return value;
}

std::optional<std::string> CheckAddress(std::string_view option, std::string_view name,
                                        std::string_view text) {
  if (ParseHex(text, 4) >= 0) return std::nullopt;
  return std::string(option) + ": " + std::string(name) +
         " must be up to four hex digits, optionally after 0x (such as 0049 or 0x4200), not '" +
         std::string(text) + "'";
}

uint16_t Address(std::string_view text) { return static_cast<uint16_t>(ParseHex(text, 4)); }

long long CountOf(std::string_view text, long long max) {
  long long n = 0;
  CheckCount("", text, max, &n);
  return n;
}

// After a stop the machine runs on at the next step, as after F9 with the
// debugger window closed.
void RunOn(Emulator& emulator) { emulator.debugger.CloseWindow(); }

bool RunToAddress(RunContext& ctx, std::string_view text) {
  Emulator& emulator = ctx.emulator;
  const uint16_t address = Address(text);
  emulator.scheduler.Breakpoints[kTemporaryBreakpoint] = address;
  emulator.scheduler.DebuggerStopped = false;
  for (int frame = 0; frame < ctx.timeoutFrames && !emulator.scheduler.DebuggerStopped; ++frame) {
    emulator.Timer1Timer();
  }
  const bool reached = emulator.scheduler.DebuggerStopped;
  emulator.scheduler.Breakpoints[kTemporaryBreakpoint] = -1;
  RunOn(emulator);
  if (reached) return true;
  ctx.err << "quillor-cli: --break: the processor did not reach " << HexWord(address) << " within "
          << ctx.timeoutFrames << " frames (see --timeout-frames); PC is " << HexWord(emulator.cpu.PC)
          << "\n";
  return false;
}

bool RunSteps(RunContext& ctx, std::string_view n) {
  Emulator& emulator = ctx.emulator;
  for (long long i = CountOf(n, kMaxSteps); i > 0; --i) {
    emulator.debugger.SingleStep();
    emulator.Timer1Timer();
  }
  RunOn(emulator);
  return true;
}

std::string Flags(uint8_t f) {
  static constexpr char kNames[] = "SZYHXPNC";
  std::string text;
  for (int bit = 7; bit >= 0; --bit) text += (f >> bit) & 1 ? kNames[7 - bit] : '-';
  return text;
}

bool PrintRegisters(RunContext& ctx, std::string_view) {
  const CpuState& c = ctx.emulator.cpu;
  ctx.out << "AF=" << HexWord(c.AF()) << " BC=" << HexWord(c.BC()) << " DE=" << HexWord(c.DE())
          << " HL=" << HexWord(c.HL()) << " AF'=" << HexWord(c.AltAF) << " BC'=" << HexWord(c.AltBC)
          << " DE'=" << HexWord(c.AltDE) << " HL'=" << HexWord(c.AltHL) << " IX=" << HexWord(c.IX())
          << " IY=" << HexWord(c.IY()) << " SP=" << HexWord(c.SP) << " PC=" << HexWord(c.PC)
          << " I=" << HexByte(c.I) << " R=" << HexByte(c.R) << " IFF1=" << c.IFF1 << " IFF2=" << c.IFF2
          << " HALT=" << c.Halted << " FLAGS=" << Flags(c.F) << "\n";
  return true;
}

std::optional<std::string> CheckRange(std::string_view option, std::string_view joined) {
  const auto words = SplitWords(joined);
  if (auto problem = CheckAddress(option, "FROM", words[0])) return problem;
  return CheckCount(option, words[1], kMaxLines);
}

// 16 bytes a line as the debugger's dump: the address, the bytes from
// column 5, the characters from column 53 ("." outside 0x20-0x5F).
bool PrintMemory(RunContext& ctx, std::string_view joined) {
  const auto words = SplitWords(joined);
  uint16_t address = Address(words[0]);
  for (long long left = CountOf(words[1], kMaxLines); left > 0; left -= 16) {
    std::string bytes, characters;
    for (long long j = 0; j < std::min<long long>(16, left); ++j) {
      const uint8_t value = ctx.emulator.PeekMemory(static_cast<uint16_t>(address + j));
      bytes += " " + HexByte(value);
      characters += value < 0x20 || value > 0x5F ? '.' : static_cast<char>(value);
    }
    bytes.resize(49, ' ');  // the characters start in column 53
    ctx.out << HexWord(address) << bytes << characters << "\n";
    address = static_cast<uint16_t>(address + 16);
  }
  return true;
}

// COUNT lines as the debugger shows them, trailing blanks removed.
bool PrintDisassembly(RunContext& ctx, std::string_view joined) {
  const auto words = SplitWords(joined);
  Disassembler disassembler(ctx.emulator);
  uint16_t address = Address(words[0]);
  for (long long i = CountOf(words[1], kMaxLines); i > 0; --i) {
    disassembler.Disassemble(address);
    std::string line = disassembler.BytesText() + "  " + disassembler.LineText();
    line.erase(line.find_last_not_of(' ') + 1);
    ctx.out << line << "\n";
    address = disassembler.NextAddress();
  }
  return true;
}

std::optional<std::string> CheckPoke(std::string_view joined) {
  const auto words = SplitWords(joined);
  if (auto problem = CheckAddress("--poke", "ADDR", words[0])) return problem;
  if (words.size() < 2) return "--poke needs at least one BYTE after ADDR";
  for (size_t i = 1; i < words.size(); ++i) {
    if (ParseHex(words[i], 2) < 0) {
      return "--poke: BYTE must be one or two hex digits, not '" + std::string(words[i]) + "'";
    }
  }
  return std::nullopt;
}

// Written as the processor would write them: ROM stays, the screen follows.
bool Poke(RunContext& ctx, std::string_view joined) {
  const auto words = SplitWords(joined);
  uint16_t address = Address(words[0]);
  for (size_t i = 1; i < words.size(); ++i) {
    ctx.emulator.WriteMemory(address++, static_cast<uint8_t>(ParseHex(words[i], 2)), 0);
  }
  return true;
}

struct RegisterName {
  std::string_view name;
  int bits;
};
constexpr std::array<RegisterName, 22> kRegisterNames{{
    {"AF", 16}, {"BC", 16}, {"DE", 16}, {"HL", 16}, {"AF'", 16}, {"BC'", 16}, {"DE'", 16}, {"HL'", 16},
    {"IX", 16}, {"IY", 16}, {"SP", 16}, {"PC", 16}, {"A", 8},    {"F", 8},    {"B", 8},    {"C", 8},
    {"D", 8},   {"E", 8},   {"H", 8},   {"L", 8},   {"I", 8},    {"R", 8},
}};

std::string Upper(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  return s;
}

const RegisterName* FindRegister(std::string_view name) {
  const std::string upper = Upper(name);
  for (const auto& r : kRegisterNames) {
    if (r.name == upper) return &r;
  }
  return nullptr;
}

std::optional<std::string> CheckSetRegister(std::string_view joined) {
  const auto words = SplitWords(joined);
  const RegisterName* r = FindRegister(words[0]);
  if (r == nullptr) {
    return "--set-register: NAME must be one of AF BC DE HL AF' BC' DE' HL' IX IY SP PC A F B C D E H L "
           "I R, not '" +
           std::string(words[0]) + "'";
  }
  if (ParseHex(words[1], r->bits / 4) < 0) {
    return "--set-register: " + std::string(r->name) + " takes up to " + std::to_string(r->bits / 4) +
           " hex digits, not '" + std::string(words[1]) + "'";
  }
  return std::nullopt;
}

bool SetRegister(RunContext& ctx, std::string_view joined) {
  const auto words = SplitWords(joined);
  const std::string name(FindRegister(words[0])->name);
  const auto value = static_cast<uint16_t>(ParseHex(words[1], 4));
  const auto byte = static_cast<uint8_t>(value);
  CpuState& c = ctx.emulator.cpu;
  if (name == "AF") c.SetAF(value);
  else if (name == "BC") c.SetBC(value);
  else if (name == "DE") c.SetDE(value);
  else if (name == "HL") c.SetHL(value);
  else if (name == "AF'") c.AltAF = value;
  else if (name == "BC'") c.AltBC = value;
  else if (name == "DE'") c.AltDE = value;
  else if (name == "HL'") c.AltHL = value;
  else if (name == "IX") c.SetIX(value);
  else if (name == "IY") c.SetIY(value);
  else if (name == "SP") c.SP = value;
  else if (name == "PC") c.PC = value;
  else if (name == "A") c.A = byte;
  else if (name == "F") c.F = byte;
  else if (name == "B") c.B = byte;
  else if (name == "C") c.C = byte;
  else if (name == "D") c.D = byte;
  else if (name == "E") c.E = byte;
  else if (name == "H") c.SetHL(static_cast<uint16_t>(byte << 8 | c.L()));
  else if (name == "L") c.SetHL(static_cast<uint16_t>(c.H() << 8 | byte));
  else if (name == "I") c.I = byte;
  else c.R = byte;
  return true;
}

}  // namespace

void AddDebuggerOptions(OptionTable& table) {
  table.Add({"--break", "ADDR",
             "run until the processor is about to execute ADDR (hex); fails after the --until "
             "bound (--timeout-frames)",
             Phase::Action, [](std::string_view a) { return CheckAddress("--break", "ADDR", a); },
             RunToAddress});
  table.Add({"--step", "N", "execute N processor steps (instructions), then run on as before", Phase::Action,
             [](std::string_view n) { return CheckCount("--step", n, kMaxSteps); }, RunSteps});
  table.Add({"--registers", "",
             "print every register and the flags (SZYHXPNC, '-' for a clear bit) on one line", Phase::Action,
             nullptr, PrintRegisters});
  Option memory{"--memory",
                "FROM COUNT",
                "print COUNT (decimal) bytes from FROM (hex), 16 a line as the debugger's dump",
                Phase::Action,
                [](std::string_view j) { return CheckRange("--memory", j); },
                PrintMemory};
  memory.words = 2;
  table.Add(memory);
  Option disassemble{"--disassemble",
                     "FROM COUNT",
                     "print COUNT (decimal) instructions from FROM (hex) as the debugger shows them",
                     Phase::Action,
                     [](std::string_view j) { return CheckRange("--disassemble", j); },
                     PrintDisassembly};
  disassemble.words = 2;
  table.Add(disassemble);
  Option poke{"--poke",      "ADDR BYTE...", "write the BYTEs (hex) into memory from ADDR (hex) on",
              Phase::Action, CheckPoke,      Poke};
  poke.words = 2;
  poke.moreWords = true;
  table.Add(poke);
  Option setRegister{"--set-register",
                     "NAME VALUE",
                     "set a register (AF ... HL', IX, IY, SP, PC, A ... L, I, R) to VALUE (hex)",
                     Phase::Action,
                     CheckSetRegister,
                     SetRegister};
  setRegister.words = 2;
  table.Add(setRegister);
}

}  // namespace quillor::cli
