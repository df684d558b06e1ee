// The option groups of all rooms. A room with runner options adds its
// Add...Options function here and defines it in its own cli/<topic>_options.cpp.
#include "cli/option_table.h"

namespace quillor::cli {

void AddMachineOptions(OptionTable& table);
void AddDisplayOptions(OptionTable& table);
void AddResourceOptions(OptionTable& table);
void AddCassetteOptions(OptionTable& table);
void AddDiskOptions(OptionTable& table);
void AddDebuggerOptions(OptionTable& table);
void AddSoundOptions(OptionTable& table);
void AddPrinterOptions(OptionTable& table);

void AddAllOptions(OptionTable& table) {
  AddMachineOptions(table);
  AddDisplayOptions(table);
  AddResourceOptions(table);
  AddCassetteOptions(table);
  AddDiskOptions(table);
  AddDebuggerOptions(table);
  AddSoundOptions(table);
  AddPrinterOptions(table);
}

}  // namespace quillor::cli
