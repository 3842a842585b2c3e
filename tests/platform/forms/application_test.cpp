#include <algorithm>
#include <stdexcept>

#include "FormsFixture.h"

using platform::forms::Exception;
using platform::forms::TCloseAction;
using platform::forms::TForm;
using platform::forms::TFormBorderStyle;
using platform::forms::TObject;
using platform::forms::TRect;
using enum platform::forms::TCloseAction;
using enum platform::forms::TFormBorderStyle;
using enum platform::forms::TPosition;

namespace {

std::vector<std::string> events;

class MainWindow;
class ToolWindow;
MainWindow* mainWindow = nullptr;
ToolWindow* toolWindow = nullptr;

// Shaped like the diagram window: single border, centred, visible, 711 x 498 client.
class MainWindow : public TForm {
public:
  MainWindow() {
    events.push_back(std::string("main constructed, pointer ") + (mainWindow == nullptr ? "null" : "set") +
                     ", visible " + (Visible() ? "yes" : "no"));
    SetBorderStyle(bsSingle);
    SetPosition(poDesktopCenter);
    SetClientWidth(711);
    SetClientHeight(498);
    SetVisible(true);
    OnCreate = [this](TObject* sender) {
      events.push_back(std::string("main OnCreate, pointer ") + (mainWindow == this ? "set" : "not set") +
                       ", tool " + (toolWindow == nullptr ? "null" : "set") + ", visible " +
                       (Visible() ? "yes" : "no") + (sender == this ? "" : ", wrong sender"));
    };
    OnShow = [](TObject*) { events.push_back("main OnShow"); };
    OnHide = [](TObject*) { events.push_back("main OnHide"); };
    OnCloseQuery = [](TObject*, bool& canClose) {
      events.push_back("main OnCloseQuery");
      canClose = allowClose;
    };
    OnClose = [](TObject*, TCloseAction& action) {
      events.push_back("main OnClose");
      action = closeAction;
    };
  }
  ~MainWindow() override { events.push_back("main destroyed"); }

  static inline bool allowClose = true;
  static inline TCloseAction closeAction = caHide;
};

// Shaped like the comment window: a hidden tool window placed at the main window's right edge.
class ToolWindow : public TForm {
public:
  ToolWindow() {
    SetBorderStyle(bsSizeToolWin);
    SetClientWidth(359);
    SetClientHeight(479);
    OnCreate = [this](TObject*) {
      events.push_back(std::string("tool OnCreate, main ") + (mainWindow->Visible() ? "shown" : "hidden"));
      SetTop(mainWindow->Top());
      SetLeft(mainWindow->Left() + mainWindow->Width());
    };
    OnHide = [](TObject*) {
      events.push_back(std::string("tool OnHide, main ") + (mainWindow != nullptr ? "alive" : "gone"));
    };
  }
  ~ToolWindow() override { events.push_back("tool destroyed"); }
};

class ApplicationTest : public FormsTest {
protected:
  void SetUp() override {
    FormsTest::SetUp();
    events.clear();
    MainWindow::allowClose = true;
    MainWindow::closeAction = caHide;
  }
  void CreateBoth() {
    Application->Initialize();
    Application->CreateForm(mainWindow);
    Application->CreateForm(toolWindow);
  }
};

TEST_F(ApplicationTest, CreateFormSetsThePointerBeforeOnCreateAndShowsAVisibleFormAfterIt) {
  CreateBoth();
  const std::vector<std::string> expected = {
      "main constructed, pointer null, visible no",
      "main OnCreate, pointer set, tool null, visible no",
      "main OnShow",
      "tool OnCreate, main shown",
  };
  EXPECT_EQ(events, expected);
  EXPECT_EQ(Application->MainForm(), mainWindow);
  EXPECT_EQ(Application->FormCount(), 2);
  EXPECT_TRUE(mainWindow->Visible());
  EXPECT_FALSE(toolWindow->Visible());
  EXPECT_FALSE(mainWindow->Creating());
  EXPECT_EQ(toolWindow->Left(), mainWindow->Left() + 717);
  EXPECT_EQ(toolWindow->Top(), mainWindow->Top());
}

TEST_F(ApplicationTest, VisibleFormIsCentredOnTheDesktopAtItsFirstShowOnly) {
  struct CentreCase {
    int screenWidth, screenHeight, left, top;
  };
  // The main window is 717 x 526 outside.
  const std::vector<CentreCase> cases = {{1280, 1024, 281, 249}, {1920, 1080, 601, 277}, {700, 500, -8, -13}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.screenWidth) + "x" + std::to_string(c.screenHeight));
    Headless().SetScreenSize(c.screenWidth, c.screenHeight);
    Application->CreateForm(mainWindow);
    EXPECT_EQ(mainWindow->Left(), c.left);
    EXPECT_EQ(mainWindow->Top(), c.top);
    mainWindow->SetLeft(10);
    mainWindow->Hide();
    mainWindow->Show();
    EXPECT_EQ(mainWindow->Left(), 10);
    Application->DestroyForms();
  }
}

TEST_F(ApplicationTest, OuterSizeIsClientSizePlusFrame) {
  struct FrameCase {
    TFormBorderStyle style;
    int clientWidth, clientHeight, width, height;
  };
  const std::vector<FrameCase> cases = {
      {bsSingle, 711, 498, 717, 526},
      {bsSizeToolWin, 359, 479, 367, 513},
      {bsNone, 100, 50, 100, 50},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.style);
    TForm form;
    form.SetBorderStyle(c.style);
    form.SetClientWidth(c.clientWidth);
    form.SetClientHeight(c.clientHeight);
    EXPECT_EQ(form.Width(), c.width);
    EXPECT_EQ(form.Height(), c.height);
    form.SetBounds(5, 6, c.width + 10, c.height + 20);
    EXPECT_EQ(form.ClientWidth(), c.clientWidth + 10);
    EXPECT_EQ(form.ClientHeight(), c.clientHeight + 20);
    EXPECT_EQ(form.ClientRect(), (TRect{0, 0, c.clientWidth + 10, c.clientHeight + 20}));
  }
}

TEST_F(ApplicationTest, ClosingTheMainFormEndsRunAndDestroysFormsInReverseOrder) {
  CreateBoth();
  Headless().WhileRunning([] { toolWindow->Show(); });
  Headless().WhileRunning([] { mainWindow->UserClose(); });
  Headless().WhileRunning([] { events.push_back("step after close"); });
  events.clear();
  Application->Run();
  const std::vector<std::string> expected = {
      "main OnCloseQuery", "main OnClose", "tool OnHide, main alive", "tool destroyed", "main OnHide",
      "main destroyed",
  };
  EXPECT_EQ(events, expected);
  EXPECT_EQ(mainWindow, nullptr);
  EXPECT_EQ(toolWindow, nullptr);
  EXPECT_EQ(Application->FormCount(), 0);
  EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(ApplicationTest, CloseCanBeRefusedOrCancelled) {
  struct CloseCase {
    bool allowClose;
    TCloseAction action;
    bool terminated;
    std::vector<std::string> events;
  };
  const std::vector<CloseCase> cases = {
      {true, caHide, true, {"main OnCloseQuery", "main OnClose"}},
      {true, caNone, false, {"main OnCloseQuery", "main OnClose"}},
      {false, caHide, false, {"main OnCloseQuery"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.allowClose) + " " + std::to_string(c.action));
    CreateBoth();
    MainWindow::allowClose = c.allowClose;
    MainWindow::closeAction = c.action;
    events.clear();
    mainWindow->Close();
    EXPECT_EQ(events, c.events);
    EXPECT_EQ(Application->Terminated(), c.terminated);
    EXPECT_TRUE(mainWindow->Visible());
    Application->DestroyForms();
  }
}

TEST_F(ApplicationTest, ToolWindowClosedByItsCloseButtonIsHiddenAndTheLoopGoesOn) {
  CreateBoth();
  Headless().WhileRunning([] { toolWindow->Show(); });
  Headless().WhileRunning([] { toolWindow->UserClose(); });
  Headless().WhileRunning([] {
    events.push_back(std::string("tool ") + (toolWindow->Visible() ? "shown" : "hidden"));
    mainWindow->UserClose();
  });
  events.clear();
  Application->Run();
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events[0], "tool OnHide, main alive");
  EXPECT_EQ(events[1], "tool hidden");
}

TEST_F(ApplicationTest, RunShowsAHiddenMainFormAndReturnsWhenClosedBeforehand) {
  TForm* onlyForm = nullptr;
  Application->CreateForm(onlyForm);
  EXPECT_FALSE(onlyForm->Visible());
  Headless().WhileRunning([&onlyForm] {
    events.push_back(std::string("running, shown ") + (onlyForm->Visible() ? "yes" : "no"));
    onlyForm->Close();
  });
  events.clear();
  Application->Run();
  EXPECT_EQ(events.front(), "running, shown yes");
  EXPECT_EQ(onlyForm, nullptr);

  CreateBoth();
  mainWindow->Close();
  events.clear();
  Headless().WhileRunning([] { events.push_back("loop ran"); });
  Application->Run();
  EXPECT_EQ(std::count(events.begin(), events.end(), "loop ran"), 0);
}

TEST_F(ApplicationTest, ExceptionsEscapingHandlersAreShownAndTheLoopGoesOn) {
  CreateBoth();
  Headless().WhileRunning([] { throw Exception("first"); });
  Headless().WhileRunning([] { throw std::runtime_error("second"); });
  Headless().WhileRunning([] { throw 42; });
  Headless().WhileRunning([] { mainWindow->OnCloseQuery = [](TObject*, bool&) { throw Exception("query"); }; });
  Headless().WhileRunning([] { mainWindow->UserClose(); });
  Headless().WhileRunning([] {
    mainWindow->OnCloseQuery = nullptr;
    mainWindow->UserClose();
  });
  Application->Run();
  EXPECT_EQ(Headless().Errors(), (std::vector<std::string>{"first", "second", "", "query"}));
  EXPECT_EQ(mainWindow, nullptr);
}

TEST_F(ApplicationTest, ExceptionInOnCreateIsShownAndTheFormStillComesUp) {
  struct FailingWindow : TForm {
    FailingWindow() {
      SetVisible(true);
      OnCreate = [](TObject*) { throw Exception("create failed"); };
    }
  };
  FailingWindow* form = nullptr;
  Application->CreateForm(form);
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(Headless().Errors(), (std::vector<std::string>{"create failed"}));
  Application->DestroyForms();
  EXPECT_EQ(form, nullptr);
}

TEST_F(ApplicationTest, ShowAndHideRunTheirHandlersOnlyOnAChange) {
  CreateBoth();
  std::vector<TChange> changes;
  toolWindow->SetPeer(std::make_unique<RecordingPeer>(changes));
  int shows = 0;
  toolWindow->OnShow = [&shows](TObject*) { ++shows; };
  events.clear();
  toolWindow->Hide();
  toolWindow->SetVisible(true);
  toolWindow->Show();
  toolWindow->SetVisible(false);
  toolWindow->Hide();
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(events, (std::vector<std::string>{"tool OnHide, main alive"}));
  EXPECT_EQ(std::count(changes.begin(), changes.end(), TChange::BringToFront), 1);
  EXPECT_EQ(std::count(changes.begin(), changes.end(), TChange::Visible), 2);
}

}  // namespace
