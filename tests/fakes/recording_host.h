// One object that plays every host the core talks to, records what it was
// asked to do and answers dialogs from a script. Header-only, for tests.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "debugger/debugger_window.h"
#include "host/clock.h"
#include "host/dialog_host.h"
#include "host/panel_presenter.h"
#include "host/paper_host.h"
#include "host/timer_host.h"
#include "host/wave_device.h"
#include "host/window_host.h"
#include "machine/emulator.h"

namespace quillor::testing {

class RecordingHost final : public WindowHost,
                            public PanelPresenter,
                            public TimerHost,
                            public DialogHost,
                            public Clock,
                            public PaperHost,
                            public DebuggerWindow,
                            public WaveDevice {
 public:
  struct Presented {
    Panel panel;
    const Surface* surface;
    int x, y;
  };
  struct DialogRequest {
    bool save;
    std::string title, filter, initialName;
  };

  // All interfaces of this host, for an Emulator.
  EmulatorHosts Hosts() { return EmulatorHosts{this, this, this, this, this, this, this, this}; }

  // WindowHost
  void SetCaption(std::string_view caption) override { captions.emplace_back(caption); }
  void TakeFocus() override { ++focusTaken; }
  // PanelPresenter
  void PresentSurface(Panel panel, const Surface& surface, int x, int y) override {
    presented.push_back({panel, &surface, x, y});
  }
  void SetBarsVisible(bool visible) override { barsVisible.push_back(visible); }
  // TimerHost
  void SetInterval(int ms) override { intervals.push_back(ms); }
  void Stop() override {
    timerRunning = false;
    ++timerStops;
  }
  void Start() override {
    timerRunning = true;
    ++timerStarts;
  }
  // DialogHost
  void ShowMessage(std::string_view text, MessageKind kind) override {
    messages.emplace_back(text);
    messageKinds.push_back(kind);
  }
  std::optional<FileChoice> ChooseOpenFile(std::string_view title, std::string_view filter,
                                           std::string_view initialName) override {
    return Answer(false, title, filter, initialName);
  }
  std::optional<FileChoice> ChooseSaveFile(std::string_view title, std::string_view filter,
                                           std::string_view initialName) override {
    return Answer(true, title, filter, initialName);
  }
  // Clock
  uint32_t Milliseconds() override { return now; }
  // PaperHost
  void AppendLine(std::string_view line) override { paper.emplace_back(line); }
  void ClearPaper() override { paper.clear(); }
  // DebuggerWindow
  void ShowDebugger() override {
    debuggerShown = true;
    ++debuggerShows;
  }
  void HideDebugger() override { debuggerShown = false; }
  void SetDebuggerCaption(std::string_view caption) override { debuggerCaptions.emplace_back(caption); }
  void FocusDebugger() override { ++debuggerFocus; }
  void PresentDebugger() override { ++debuggerPresents; }
  // WaveDevice
  bool Open(int samplesPerSecond) override {
    openedRate = samplesPerSecond;
    return waveOpens;
  }
  void Submit(std::span<const uint8_t> samples) override {
    submitted.insert(submitted.end(), samples.begin(), samples.end());
  }

  int PresentsOf(Panel panel) const {
    int n = 0;
    for (const auto& p : presented) n += p.panel == panel;
    return n;
  }

  // Script and records.
  std::deque<std::optional<FileChoice>> dialogAnswers;  // empty: cancel
  std::vector<DialogRequest> dialogRequests;
  std::vector<std::string> captions, messages, paper;
  std::vector<MessageKind> messageKinds;
  std::vector<Presented> presented;
  std::vector<bool> barsVisible;
  std::vector<int> intervals;
  std::vector<std::string> debuggerCaptions;
  std::vector<uint8_t> submitted;
  uint32_t now = 0;
  int focusTaken = 0, timerStops = 0, timerStarts = 0, openedRate = 0;
  int debuggerShows = 0, debuggerFocus = 0, debuggerPresents = 0;
  bool timerRunning = false, debuggerShown = false, waveOpens = true;

 private:
  std::optional<FileChoice> Answer(bool save, std::string_view title, std::string_view filter,
                                   std::string_view initialName) {
    dialogRequests.push_back({save, std::string(title), std::string(filter), std::string(initialName)});
    if (dialogAnswers.empty()) return std::nullopt;
    auto answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
  }
};

}  // namespace quillor::testing
