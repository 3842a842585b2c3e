// Every way of leaving or reloading a file, with an edited comment: the edit reaches only the
// file it was typed for, and afterwards the comment window shows the shown file's own comment.

#include "AppFixture.h"

using platform::forms::IDNO;
using platform::forms::IDYES;

namespace {

enum class Route { Next, Prev, Dialog, ModeChange, Close, Hide };

struct RouteCase {
  const char* name;
  Route route;
  bool alwaysSave;
  int answer;               // to the question, when it comes
  const char* otherComment; // of b.dgr, where the loading routes lead
};

class CommentRouteTest : public AppTest, public ::testing::WithParamInterface<RouteCase> {
protected:
  std::vector<std::uint8_t> Area(const std::string& path) { return CommentArea(path, 64, 100); }

  void Act(Route route, const std::string& other) {
    switch (route) {
      case Route::Next: MForm->sbNext->UserClick(); break;
      case Route::Prev: MForm->sbPrev->UserClick(); break;
      case Route::Dialog: Open(other); break;
      case Route::ModeChange: MForm->rbNB->UserClick(); break;
      case Route::Close:
        MForm->UserClose();
        Application->DestroyForms();
        break;
      case Route::Hide:
        MForm->sbComent->UserClick();  // into line with the shown window
        MForm->sbComent->UserClick();  // released: hides
        break;
    }
  }
};

TEST_P(CommentRouteTest, TheEditReachesOnlyItsOwnFile) {
  const RouteCase& c = GetParam();
  const std::string a = Write("a.dgr", Diagram(100, 0, "abc"));
  const std::string b = Write("b.dgr", Diagram(100, 0, c.otherComment));
  const std::vector<std::uint8_t> bBefore = ReadAllBytes(b);
  Start();
  Open(a);
  CForm->cbSave->SetChecked(c.alwaysSave);
  Type("d");
  Headless().AnswerNextQuestion(c.answer);
  Act(c.route, b);

  const bool saved = c.alwaysSave || c.answer == IDYES;
  EXPECT_EQ(int(Headless().Questions().size()), c.alwaysSave ? 0 : 1);
  EXPECT_EQ(Area(a), saved ? Bytes("abcd") : Bytes("abc"));
  EXPECT_EQ(ReadAllBytes(b), bBefore);
  if (c.route == Route::Close) return;

  const bool leftA = c.route == Route::Next || c.route == Route::Prev || c.route == Route::Dialog;
  EXPECT_EQ(MForm->CurrentFile(), leftA ? b : a);
  const std::string own = leftA ? c.otherComment : saved ? "abcd" : "abc";
  EXPECT_EQ(CForm->mCmt->Text(), own);
  EXPECT_FALSE(CForm->Modified());
  EXPECT_EQ(CForm->Caption(), "Коментарии");
  if (leftA) {
    EXPECT_EQ(CForm->Visible(), !own.empty());
  }

  // Saving now writes the shown file's own comment back unchanged.
  CForm->btSave->UserClick();
  EXPECT_EQ(Area(MForm->CurrentFile()), Bytes(own));
  EXPECT_EQ(ReadAllBytes(b), bBefore);
}

std::vector<RouteCase> Cases() {
  const std::vector<std::pair<const char*, Route>> routes{
      {"Next", Route::Next},           {"Prev", Route::Prev},   {"Dialog", Route::Dialog},
      {"ModeChange", Route::ModeChange}, {"Close", Route::Close}, {"Hide", Route::Hide}};
  static std::vector<std::string> names;
  std::vector<RouteCase> cases;
  for (const auto& [routeName, route] : routes)
    for (bool alwaysSave : {true, false})
      for (int answer : {IDYES, IDNO})
        for (const char* other : {"", "xyz"}) {
          if (alwaysSave && answer == IDNO) continue;  // no question comes
          names.push_back(std::string(routeName) + (alwaysSave ? "Ticked" : answer == IDYES ? "Yes" : "No") +
                          (*other ? "ToCommented" : "ToUncommented"));
          cases.push_back({nullptr, route, alwaysSave, answer, other});
        }
  for (std::size_t i = 0; i < cases.size(); ++i) cases[i].name = names[i].c_str();
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Routes, CommentRouteTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

// Text typed before the first file is shown belongs to no file: the file named on the command
// line shows its own comment and keeps its bytes.
struct CommandLineCase {
  const char* name;
  const char* comment;
  bool alwaysSave;
};

class CommandLineCommentTest : public AppTest, public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(CommandLineCommentTest, FileShowsItsOwnComment) {
  const CommandLineCase& c = GetParam();
  const std::string b = Write("b.dgr", Diagram(100, 0, c.comment));
  const std::vector<std::uint8_t> before = ReadAllBytes(b);
  Start({b});
  CForm->cbSave->SetChecked(c.alwaysSave);
  Type("typed");
  Headless().AnswerNextQuestion(IDYES);
  Headless().Advance(200);
  EXPECT_EQ(MForm->CurrentFile(), b);
  EXPECT_EQ(CForm->mCmt->Text(), c.comment);
  EXPECT_FALSE(CForm->Modified());
  EXPECT_EQ(CForm->Visible(), *c.comment != 0);
  Application->DestroyForms();
  EXPECT_EQ(ReadAllBytes(b), before);
  EXPECT_TRUE(Headless().Questions().empty());
}

INSTANTIATE_TEST_SUITE_P(Starts, CommandLineCommentTest,
                         ::testing::Values(CommandLineCase{"UncommentedTicked", "", true},
                                           CommandLineCase{"UncommentedUnticked", "", false},
                                           CommandLineCase{"CommentedTicked", "xyz", true},
                                           CommandLineCase{"CommentedUnticked", "xyz", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
