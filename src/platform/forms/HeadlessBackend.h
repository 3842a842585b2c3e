#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/Backend.h"
#include "platform/forms/MessageBox.h"

namespace platform::forms {

// A backend without a screen, scripted by tests: what the open dialogs return, what the
// questions are answered, a fake clock that fires due timers, and a record of everything asked
// and shown.
class HeadlessBackend : public PlatformBackend {
public:
  // What a run of the open dialog saw.
  struct DialogRun {
    std::string FileName;
    std::string InitialDir;
    std::string Filter;
    unsigned Options = 0;
  };
  // A message box as it was asked.
  struct Question {
    TForm* Owner = nullptr;
    std::string Text;
    std::string Caption;
    unsigned Flags = 0;
  };

  // Runs the queued loop steps in order, each through the Application's guard, until QuitLoop
  // is called; returns also when the steps run out.
  void RunLoop() override;
  void QuitLoop() override { quit_ = true; }
  // Queues something the user does while the loop runs.
  void WhileRunning(std::function<void()> step) { steps_.push_back(std::move(step)); }
  bool LoopRunning() const { return running_; }

  // The next open dialog returns path (as chosen by the user) or is cancelled. Unscripted
  // dialogs are cancelled.
  void ChooseInNextDialog(const std::string& path) { dialogResults_.emplace_back(path); }
  void CancelNextDialog() { dialogResults_.emplace_back(std::nullopt); }
  const std::vector<DialogRun>& DialogRuns() const { return dialogRuns_; }

  // The next message box is answered with answer. Unscripted boxes get DefaultAnswer.
  void AnswerNextQuestion(int answer) { answers_.push_back(answer); }
  int DefaultAnswer = IDYES;
  const std::vector<Question>& Questions() const { return questions_; }

  // Messages of the error boxes shown.
  const std::vector<std::string>& Errors() const { return errors_; }

  // Moves the clock on by ms, firing every timer tick that falls due on the way, in time order
  // (timers due at the same moment in the order they were started), on the calling thread.
  void Advance(int ms);
  std::int64_t Now() const { return now_; }
  bool TimerRunning(const TTimer& timer) const;

  void SetScreenSize(int width, int height);

  // Forgets all scripts, records, steps and timers and sets the clock to 0; the screen size
  // stays.
  void Reset();

  std::optional<std::string> ExecuteOpenDialog(const TOpenDialog& dialog) override;
  int ShowMessageBox(TForm* owner, const std::string& text, const std::string& caption,
                     unsigned flags) override;
  void ShowError(const std::string& message) override { errors_.push_back(message); }
  void StartTimer(TTimer& timer) override;
  void StopTimer(TTimer& timer) override;
  int ScreenWidth() override { return screenWidth_; }
  int ScreenHeight() override { return screenHeight_; }

private:
  struct ActiveTimer {
    TTimer* timer;
    std::int64_t due;
    std::uint64_t order;
  };

  std::deque<std::function<void()>> steps_;
  bool quit_ = false;
  bool running_ = false;
  std::deque<std::optional<std::string>> dialogResults_;
  std::vector<DialogRun> dialogRuns_;
  std::deque<int> answers_;
  std::vector<Question> questions_;
  std::vector<std::string> errors_;
  std::vector<ActiveTimer> timers_;
  std::int64_t now_ = 0;
  std::uint64_t nextOrder_ = 0;
  int screenWidth_ = 1280;
  int screenHeight_ = 1024;
};

}  // namespace platform::forms
