#include "cli/option_table.h"

#include <charconv>
#include <cstdlib>
#include <iomanip>
#include <iostream>

namespace quillor::cli {

void OptionTable::Add(Option option) {
  if (Find(option.name)) {
    std::cerr << "quillor-cli: option " << option.name << " defined twice\n";
    std::abort();
  }
  options_.push_back(std::move(option));
}

const Option* OptionTable::Find(std::string_view name) const {
  for (const auto& option : options_) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

void OptionTable::PrintHelp(std::ostream& out) const {
  out << "Usage: quillor-cli [OPTION]...\n"
         "Runs the emulated machine without a window. The options form a script that runs\n"
         "in the order given; setup options take effect before the machine starts.\n\n";
  for (const auto& option : options_) {
    std::string left = option.name + (option.argument.empty() ? "" : " " + option.argument);
    out << "  " << std::left << std::setw(22) << left << " " << option.help << "\n";
  }
  out << "  " << std::left << std::setw(22) << "--help"
      << " show this text\n\n"
      << "Exit status: 0 on success, " << kExitFailure << " when a step fails, " << kExitBadArguments
      << " for bad arguments.\n";
}

ParseResult ParseArguments(const OptionTable& table, const std::vector<std::string>& args) {
  ParseResult result;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (name == "--help" || name == "-h") {
      result.help = true;
      continue;
    }
    const Option* option = table.Find(name);
    if (!option) {
      result.error = "unknown option '" + name + "' (see --help)";
      return result;
    }
    std::string argument;
    if (!option->argument.empty()) {
      if (i + static_cast<size_t>(option->words) >= args.size()) {
        result.error =
            name + " needs " + (option->words > 1 ? "arguments " : "an argument ") + option->argument;
        return result;
      }
      for (int w = 0; w < option->words; ++w) {
        if (w > 0) argument += '\0';
        argument += args[++i];
      }
      while (option->moreWords && i + 1 < args.size() && !args[i + 1].starts_with("--")) {
        argument += '\0';
        argument += args[++i];
      }
    }
    if (option->check) {
      if (auto problem = option->check(argument)) {
        result.error = *problem;
        return result;
      }
    }
    result.steps.push_back({option, argument});
  }
  return result;
}

std::vector<std::string_view> SplitWords(std::string_view joined) {
  std::vector<std::string_view> words;
  for (;;) {
    const size_t end = joined.find('\0');
    words.push_back(joined.substr(0, end));
    if (end == std::string_view::npos) return words;
    joined.remove_prefix(end + 1);
  }
}

std::optional<std::string> CheckCount(std::string_view option, std::string_view text, long long max,
                                      long long* value) {
  long long n = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec != std::errc() || end != text.data() + text.size() || n < 0 || n > max) {
    return std::string(option) + " needs a whole number from 0 to " + std::to_string(max) + ", not '" +
           std::string(text) + "'";
  }
  if (value) *value = n;
  return std::nullopt;
}

}  // namespace quillor::cli
