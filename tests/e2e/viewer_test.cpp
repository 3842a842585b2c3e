#include <gtest/gtest.h>

#include <algorithm>

#include "ViewerProcess.h"
#include "diagram_file/CommentText.h"
#include "diagram_file/DiagramFileEncoder.h"
#include "diagram_file/SyntheticDiagram.h"
#include "platform/fltk/ScreenCapture.h"
#include "platform/fltk/XvfbDisplay.h"
#include "platform/system/ScratchFolder.h"

using dgr::DiagramFile;
using dgr::EncodeCommentForSave;
using dgr::EncodeDiagramFile;
using dgr::EncodedComment;
using dgr::MakeSyntheticDiagram;
using platform::graphics::TColor;
using platform::graphics::clAqua;
using platform::graphics::clBlue;
using platform::graphics::clGreen;
using platform::graphics::clInfoBk;
using platform::graphics::clMedGray;
using platform::graphics::clRed;
using platform::graphics::clWindowText;

namespace {

constexpr const char* Comment = "Резервуар 3\nпроверка";

class ViewerTest : public ::testing::Test {
protected:
  // a.dgr: 256 segments, filling station, with a comment; b.dgr: 100 segments, no comment.
  void SetUp() override {
    diagram = MakeSyntheticDiagram({.SegmentCount = 256, .HeaderLength = 64, .SiteType = 32, .Comment = Comment, .Seed = 7});
    a = folder.Write("a.dgr", EncodeDiagramFile(diagram));
    folder.Write("b.dgr", EncodeDiagramFile(MakeSyntheticDiagram({.SegmentCount = 100, .Comment = "", .Seed = 8})));
  }

  const ViewerWindow* Find(const std::vector<ViewerWindow>& windows, const std::string& titlePrefix) {
    for (const ViewerWindow& window : windows)
      if (window.Title.starts_with(titlePrefix)) return &window;
    return nullptr;
  }

  std::vector<std::uint8_t> CommentArea() const {
    const std::vector<std::uint8_t> bytes = ReadAllBytes(a);
    return {bytes.begin() + 64 + 3 * 256, bytes.end()};
  }

  // Wide enough for both windows side by side.
  XvfbDisplay display{1920, 1080};
  ScratchFolder folder;
  DiagramFile diagram;
  std::string a;
};

TEST_F(ViewerTest, ShowsTheFileWithItsCommentAndSavesWhatIsTyped) {
  ViewerProcess viewer({a});
  std::vector<ViewerWindow> windows;
  ASSERT_TRUE(WaitFor([&] {
    windows = ViewerWindows(2);
    return Find(windows, "ДИАГРАММА ДАТЧИКА : a.dgr") && Find(windows, "Коментарии");
  })) << "windows: " << windows.size();
  const ViewerWindow main = *Find(windows, "ДИАГРАММА ДАТЧИКА : a.dgr");
  const ViewerWindow comment = *Find(windows, "Коментарии");

  // 256 segments widen the plot to 800, the client area to 814 x 498.
  EXPECT_EQ(main.Width, 814);
  EXPECT_EQ(main.Height, 498);
  // The comment window stands at the diagram window's right edge (3-pixel frames).
  // (Frames: the diagram window 3 pixels a side under a 22-pixel caption, the comment window
  // 4 pixels under a 26-pixel one.)
  EXPECT_EQ(comment.X, main.X + main.Width + 3 + 4);
  EXPECT_EQ(comment.Y, main.Y - 25 + 30);

  // Wait until the read-outs are drawn.
  TBitmap shot;
  EXPECT_TRUE(WaitFor([&] {
    shot = CaptureScreen(main.X, main.Y, main.Width, main.Height);
    return shot.Pixel(73 + 4, 373 + 7 + 3) == clInfoBk;
  }));
  // The plot layers start at (6, 36) of the client area: pGraf at (4, 34), its layers at (2, 2).
  const int plotX = 6;
  const int plotY = 36;
  // Between two segment lines, the level line of code 20 (row 272) is dotted grey on aqua;
  // the area above code 255 is plain aqua.
  EXPECT_EQ(shot.Pixel(plotX + 100, plotY + 20), clAqua);
  int grey = 0;
  for (int x = plotX + 100; x < plotX + 130; ++x) grey += shot.Pixel(x, plotY + 272) == clMedGray;
  EXPECT_GE(grey, 12);
  // The code curve of the first segment, blue unless the fuel or air curve lies over it.
  const int row = plotY + 292 - diagram.CodeData[0];
  const TColor first = shot.Pixel(plotX + 17, row);
  EXPECT_TRUE(first == clBlue || first == clGreen || first == clRed) << std::hex << first;
  // Read-out fields on the tooltip colour: stFLvl at (73, 7) of pDat, which starts at row 373.
  int dark = 0;
  for (int x = 73; x < 73 + 89; ++x)
    for (int y = 373 + 7; y < 373 + 24; ++y) dark += shot.Pixel(x, y) == clWindowText;
  EXPECT_GT(dark, 20) << "the fuel level read-out shows text";

  // Type at the end of the comment and press "СОХРАНИТЬ".
  // The click gives the editor the keyboard.
  Click(comment.X + 100, comment.Y + 100);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  RunTool({"xdotool", "key", "--clearmodifiers", "ctrl+End"});
  RunTool({"xdotool", "type", "--delay", "20", " e2e"});
  ASSERT_TRUE(WaitFor([&] { return WindowTitle(comment.Id) == "Коментарии*"; }));
  Click(comment.X + 264 + 44, comment.Y + comment.Height - 33 + 8 + 10);
  const EncodedComment expected = EncodeCommentForSave(std::string(Comment) + " e2e");
  ASSERT_TRUE(expected.Ok);
  EXPECT_TRUE(WaitFor([&] { return CommentArea() == expected.Bytes; }));
  EXPECT_TRUE(WaitFor([&] { return WindowTitle(comment.Id) == "Коментарии"; }));
  EXPECT_TRUE(viewer.Running());
}

TEST_F(ViewerTest, NextButtonShowsTheNextFileOfTheFolder) {
  ViewerProcess viewer({a});
  std::vector<ViewerWindow> windows;
  ASSERT_TRUE(WaitFor([&] {
    windows = ViewerWindows(1);
    return Find(windows, "ДИАГРАММА ДАТЧИКА : a.dgr") != nullptr;
  }));
  const ViewerWindow main = *Find(windows, "ДИАГРАММА ДАТЧИКА : a.dgr");
  // ">>" is at (80, 4) of Panel4, which lies at (1, 1) of the tool bar.
  Click(main.X + 1 + 80 + 11, main.Y + 1 + 4 + 11);
  EXPECT_TRUE(WaitFor([&] { return WindowTitle(main.Id) == "ДИАГРАММА ДАТЧИКА : b.dgr"; }));
  // The next file has no comment: the comment window hides.
  EXPECT_TRUE(WaitFor([&] { return Find(ViewerWindows(1, std::chrono::seconds(1)), "Коментарии") == nullptr; }));
}

}  // namespace
