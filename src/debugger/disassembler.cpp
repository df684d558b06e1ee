#include "debugger/disassembler.h"

#include <array>

#include "debugger/hex_text.h"

namespace quillor {

namespace {

constexpr std::array<const char*, 8> kR{"B", "C", "D", "E", "H", "L", "(HL)", "A"};
constexpr std::array<const char*, 4> kRp{"BC", "DE", "HL", "SP"};
constexpr std::array<const char*, 4> kRp2{"BC", "DE", "HL", "AF"};
constexpr std::array<const char*, 8> kCc{"NZ", "Z", "NC", "C", "PO", "PE", "P", "M"};
constexpr std::array<const char*, 8> kAlu{"ADD>A,", "ADC>A,", "SUB>", "SBC>A,", "AND>", "XOR>", "OR>", "CP>"};
constexpr std::array<const char*, 8> kRot{"RLC", "RRC", "RL", "RR", "SLA", "SRA", "SLL", "SRL"};
constexpr std::array<const char*, 4> kIm{"0", "0", "1", "2"};
// Four characters per entry; RLA, RRA and the last four keep a trailing blank.
constexpr std::string_view kAccumulatorGroup = "RLCARRCARLA RRA DAA CPL SCF CCF ";

constexpr size_t kOperandColumn = 8;

// A run of DD/FD prefixes is decoded prefix by prefix, as the processor
// executes it; memory full of prefixes would never end a line, so a line
// gives up after this many and shows "Illegal".
constexpr int kMaxPrefixes = 16;

constexpr uint8_t kPrefixIX = 0xDD;
constexpr uint8_t kPrefixIY = 0xFD;
constexpr uint8_t kPrefixCB = 0xCB;
constexpr uint8_t kPrefixED = 0xED;
constexpr uint8_t kHalt = 0x76;

}  // namespace

std::string Disassembler::OperandByteOf(uint8_t value) { return OperandByte(value); }

uint8_t Disassembler::Fetch() {
  const uint8_t value = Peek(fetch_);
  bytesText_ += " " + HexByte(value);
  if (bytesText_.size() > kBytesTextWidth) bytesText_.resize(kBytesTextWidth);
  ++fetch_;
  ++length_;
  return value;
}

void Disassembler::Append(const std::string& templateText) {
  for (const char c : templateText) {
    if (c == '>') {
      if (lineText_.size() < kOperandColumn) lineText_.resize(kOperandColumn, ' ');
    } else {
      lineText_ += c;
    }
  }
}

std::string Disassembler::R(int index) const {
  const char* name = index_ == Index::IX ? "IX" : "IY";
  if (index_ == Index::HL) return kR[index];
  if (index == 6) return std::string("(") + name + "+" + OperandByte(displacement_) + ")";
  if (plainHalves_ || (index != 4 && index != 5)) return kR[index];
  return std::string(name) + (index == 4 ? "H" : "L");
}

std::string Disassembler::Rp(int p) const {
  if (p == 2 && index_ != Index::HL) return index_ == Index::IX ? "IX" : "IY";
  return kRp[p];
}

std::string Disassembler::Rp2(int p) const {
  if (p == 2) return Rp(2);
  return kRp2[p];
}

std::string Disassembler::Nn() {
  const uint8_t low = Fetch();
  const uint8_t high = Fetch();
  return OperandWord(static_cast<uint16_t>(high << 8 | low));
}

std::string Disassembler::Relative() {
  const auto offset = static_cast<int8_t>(Fetch());
  return OperandWord(static_cast<uint16_t>(fetch_ + offset));
}

void Disassembler::Disassemble(uint16_t address) {
  start_ = fetch_ = address;
  length_ = 0;
  index_ = Index::HL;
  plainHalves_ = false;
  lineText_.clear();
  bytesText_ = HexWord(address) + " ";
  uint8_t opcode = Fetch();
  int prefixes = 0;
  while (opcode == kPrefixIX || opcode == kPrefixIY) {
    index_ = opcode == kPrefixIX ? Index::IX : Index::IY;
    // The displacement of (IX+d) follows the next opcode byte.
    displacement_ = Peek(static_cast<uint16_t>(fetch_ + 1));
    if (++prefixes > kMaxPrefixes) break;
    opcode = Fetch();
  }
  if (prefixes <= kMaxPrefixes) {
    if (opcode == kPrefixED) {
      index_ = Index::HL;
      DecodeEd();
    } else if (opcode == kPrefixCB) {
      DecodeCb();
    } else {
      DecodeMain(opcode);
    }
  }
  if (lineText_.empty()) lineText_ = "Illegal";
  if (lineText_.size() < kLineTextWidth) lineText_.resize(kLineTextWidth, ' ');
  if (bytesText_.size() < kBytesTextWidth) bytesText_.resize(kBytesTextWidth, ' ');
}

uint16_t Disassembler::NextInstruction(uint16_t address) {
  Disassemble(address);
  return NextAddress();
}

uint16_t Disassembler::PreviousInstruction(uint16_t address) {
  for (int n = 4; n >= 1; --n) {
    auto start = static_cast<uint16_t>(address - 12 - n);
    for (;;) {
      const uint16_t next = NextInstruction(start);
      if (static_cast<int16_t>(next - address) < 0) {
        start = next;
        continue;
      }
      if (next == address) return start;
      break;
    }
  }
  return static_cast<uint16_t>(address - 1);
}

void Disassembler::DecodeMain(uint8_t opcode) {
  const int x = opcode >> 6, y = (opcode >> 3) & 7, z = opcode & 7;
  const int p = y >> 1, q = y & 1;
  switch (x) {
    case 0: DecodeMainX0(y, z, p, q); break;
    case 1: DecodeMainX1(opcode, y, z); break;
    case 2:
      if (z == 6) TakeDisplacement();
      Append(std::string(kAlu[y]) + R(z));
      break;
    default: DecodeMainX3(y, z, p, q); break;
  }
}

void Disassembler::DecodeMainX0(int y, int z, int p, int q) {
  switch (z) {
    case 0:
      if (y == 0) Set("NOP");
      else if (y == 1) Append("EX>AF,AF'");
      else if (y == 2) Append("DJNZ>" + Relative());
      else if (y == 3) Append("JR>" + Relative());
      else Append(std::string("JR>") + kCc[y - 4] + "," + Relative());
      break;
    case 1:
      if (q == 0) Append("LD>" + Rp(p) + "," + Nn());
      else Append("ADD>" + Rp(2) + "," + Rp(p));
      break;
    case 2:
      switch (y) {
        case 0:
        case 2: Append("LD>(" + Rp(p) + "),A"); break;
        case 1:
        case 3: Append("LD>A,(" + Rp(p) + ")"); break;
        case 4: Append("LD>(" + Nn() + ")," + Rp(2)); break;
        case 5: Append("LD>" + Rp(2) + ",(" + Nn() + ")"); break;
        case 6: Append("LD>(" + Nn() + "),A"); break;
        default: Append("LD>A,(" + Nn() + ")"); break;
      }
      break;
    case 3: Append((q == 0 ? "INC>" : "DEC>") + Rp(p)); break;
    case 4:
    case 5:
      if (y == 6) TakeDisplacement();
      Append((z == 4 ? "INC>" : "DEC>") + R(y));
      break;
    case 6: {
      if (y == 6) TakeDisplacement();
      const std::string target = R(y);
      Append("LD>" + target + "," + N());
      break;
    }
    default: lineText_ = std::string(kAccumulatorGroup.substr(4 * y, 4)); break;
  }
}

void Disassembler::DecodeMainX1(uint8_t opcode, int y, int z) {
  if (opcode == kHalt) {
    Set("HALT");
    return;
  }
  if (y == 6 || z == 6) {
    TakeDisplacement();
    plainHalves_ = true;
  }
  Append("LD>" + R(y) + "," + R(z));
}

void Disassembler::DecodeMainX3(int y, int z, int p, int q) {
  switch (z) {
    case 0: Append(std::string("RET>") + kCc[y]); break;
    case 1:
      if (q == 0) {
        Append("POP>" + Rp2(p));
      } else if (p == 0) {
        Append("RET");
      } else if (p == 1) {
        Append("EXX");
      } else if (p == 2) {
        Append("JP>(" + Rp(2) + ")");
      } else {
        Append("LD>SP," + Rp(2));
      }
      break;
    case 2: Append(std::string("JP>") + kCc[y] + "," + Nn()); break;
    case 3:
      switch (y) {
        case 0: Append("JP>" + Nn()); break;
        case 2: Append("OUT>(" + N() + "),A"); break;
        case 3: Append("IN>A,(" + N() + ")"); break;
        case 4: Append("EX>(SP)," + Rp(2)); break;
        case 5: Append("EX>DE,HL"); break;
        case 6: Append("DI"); break;
        case 7: Append("EI"); break;
        default: break;  // CB, handled before the main table
      }
      break;
    case 4: Append(std::string("CALL>") + kCc[y] + "," + Nn()); break;
    case 5:
      if (q == 0) Append("PUSH>" + Rp2(p));
      else if (p == 0) Append("CALL>" + Nn());
      break;  // DD, ED and FD are handled before the main table
    case 6: Append(std::string(kAlu[y]) + N()); break;
    default: Append("RST>" + OperandByte(static_cast<uint8_t>(8 * y))); break;
  }
}

void Disassembler::DecodeCb() {
  const bool indexed = index_ != Index::HL;
  // DD CB d op: the displacement comes before the operation byte.
  if (indexed) {
    TakeDisplacement();
    plainHalves_ = true;
  }
  const uint8_t opcode = Fetch();
  const int x = opcode >> 6, y = (opcode >> 3) & 7, z = opcode & 7;
  const std::string bit = std::to_string(y);
  // Indexed forms other than z = 6 also copy the result into a register.
  const std::string target = indexed ? R(6) : R(z);
  const std::string copy = indexed && z != 6 ? "," + R(z) : "";
  switch (x) {
    case 0: Append(std::string(kRot[y]) + ">" + target + copy); break;
    case 1: Append("BIT>" + bit + "," + target); break;
    case 2: Append("RES>" + bit + "," + target + copy); break;
    default: Append("SET>" + bit + "," + target + copy); break;
  }
}

void Disassembler::DecodeEd() {
  const uint8_t opcode = Fetch();
  const int x = opcode >> 6, y = (opcode >> 3) & 7, z = opcode & 7;
  const int p = y >> 1, q = y & 1;
  if (x == 2 && y >= 4 && z <= 3) {
    static constexpr std::array<const char*, 4> kBase{"LD", "CP", "IN", "OUT"};
    std::string text = z == 3 && y >= 6 ? "OT" : kBase[z];
    text += q == 1 ? "D" : "I";
    if (y >= 6) text += "R";
    lineText_ = text;
    return;
  }
  if (x != 1) return;  // Illegal
  switch (z) {
    case 0: Append(y == 6 ? std::string("IN>(C)") : "IN>" + R(y) + ",(C)"); break;
    case 1: Append(y == 6 ? std::string("OUT>(C),0") : "OUT>(C)," + R(y)); break;
    case 2: Append((q == 0 ? "SBC>HL," : "ADC>HL,") + Rp(p)); break;
    case 3:
      if (q == 0) Append("LD>(" + Nn() + ")," + Rp(p));
      else Append("LD>" + Rp(p) + ",(" + Nn() + ")");
      break;
    case 4: Set("NEG"); break;
    case 5: Set(y == 1 ? "RETI" : "RETN"); break;
    case 6: Append(std::string("IM>") + kIm[y & 3]); break;
    default: {
      static constexpr std::array<const char*, 8> kMisc{"LD>I,A", "LD>R,A", "LD>A,I", "LD>A,R",
                                                        "RRD",    "RLD",    "NOP",    "NOP"};
      Append(kMisc[y]);
      break;
    }
  }
}

}  // namespace quillor
