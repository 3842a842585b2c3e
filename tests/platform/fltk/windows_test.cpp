#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/fltk/FltkFixture.h"
#include "platform/fltk/RunTool.h"

using platform::forms::TForm;
using platform::forms::TImage;
using platform::forms::TMouseButton;
using platform::forms::TObject;
using platform::forms::TPanel;
using platform::forms::TRect;
using platform::forms::TShiftState;
using platform::forms::TSpeedButton;
using platform::forms::TStaticText;
using enum platform::forms::TBevelCut;
using enum platform::forms::TFormBorderStyle;
using enum platform::forms::TStaticBorderStyle;
using platform::graphics::TColor;
using platform::graphics::TPoint;
using platform::graphics::clBlack;
using platform::graphics::clBlue;
using platform::graphics::clBtnFace;
using platform::graphics::clBtnHighlight;
using platform::graphics::clBtnShadow;
using platform::graphics::clInfoBk;
using platform::graphics::clRed;

namespace {

// A bsSingle form at a fixed place holding a plot-like panel (lowered outer bevel, border 1)
// with image layers, a sunken static text and a flat toggle speed button.
class PlotForm : public TForm {
public:
  PlotForm() {
    SetBorderStyle(bsSingle);
    SetLeft(100);
    SetTop(80);
    SetClientWidth(300);
    SetClientHeight(200);
    SetCaption("ДИАГРАММА ДАТЧИКА");
    plot = new TPanel(this);
    plot->SetParent(this);
    plot->SetBounds(10, 10, 130, 90);
    plot->SetBevelOuter(bvLowered);
    plot->SetBorderWidth(1);
    plot->SetCaption("");
    for (int i = 0; i < 3; ++i) {
      layers[i] = new TImage(this);
      layers[i]->SetParent(plot);
      layers[i]->SetBounds(2, 2, 126, 86);
    }
    text = new TStaticText(this);
    text->SetParent(this);
    text->SetBounds(160, 10, 60, 19);
    text->SetBorderStyle(sbsSunken);
    text->SetColor(clInfoBk);
    button = new TSpeedButton(this);
    button->SetParent(this);
    button->SetBounds(160, 50, 23, 22);
    button->SetFlat(true);
    button->SetGroupIndex(1);
    button->SetAllowAllUp(true);
    button->OnClick = [this](TObject*) { ++clicks; };
    SetVisible(true);
  }
  TPanel* plot;
  TImage* layers[3];
  TStaticText* text;
  TSpeedButton* button;
  int clicks = 0;
};

PlotForm* plotForm = nullptr;

// Pixels that name their place: red = x, green = y, blue = tag.
TBitmap Pattern(int width, int height, std::uint8_t tag) {
  TBitmap picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, RGBColor(std::uint8_t(x * 2), std::uint8_t(y * 2), tag));
  return picture;
}

// White with a black frame and diagonal: with Transparent, white is the see-through colour.
TBitmap Strokes(int width, int height) {
  TBitmap picture(width, height);
  for (int x = 0; x < width; ++x) {
    picture.SetPixel(x, 0, clBlack);
    picture.SetPixel(x, height - 2, clRed);
  }
  for (int y = 0; y < height && y < width; ++y) picture.SetPixel(y, y, clBlue);
  return picture;
}

// The X windows of class dgrview, as xdotool finds them ("" when there is none).
std::string WindowIds() {
  try {
    return RunTool({"xdotool", "search", "--class", "dgrview"});
  } catch (const std::runtime_error&) {
    return "";
  }
}

class WindowTest : public FltkTest {
protected:
  void SetUp() override {
    Application->CreateForm(plotForm);
    ASSERT_TRUE(RunUntil([] { return !WindowIds().empty(); }));
  }
  // Client origin on the screen: no window manager under Xvfb, so the client area lies at the
  // form's place plus its frame.
  static TPoint ClientOrigin() {
    return {plotForm->Left() + plotForm->Frame().Left, plotForm->Top() + plotForm->Frame().Top};
  }
  static TBitmap CaptureClient() {
    Settle();
    const TPoint origin = ClientOrigin();
    return CaptureScreen(origin.X, origin.Y, plotForm->ClientWidth(), plotForm->ClientHeight());
  }
};

TEST_F(WindowTest, ShowsPanelStaticTextAndImageOneToOne) {
  const TBitmap picture = Pattern(50, 40, 9);
  plotForm->layers[0]->SetPicture(picture);
  const TBitmap shot = CaptureClient();
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      ASSERT_EQ(shot.Pixel(12 + x, 12 + y), picture.Pixel(x, y)) << x << "," << y;
  EXPECT_EQ(shot.Pixel(10, 10), clBtnShadow);
  EXPECT_EQ(shot.Pixel(139, 99), clBtnHighlight);
  EXPECT_EQ(shot.Pixel(11, 11), clBtnFace);
  EXPECT_EQ(shot.Pixel(12 + 50, 12), clBtnFace);
  EXPECT_EQ(shot.Pixel(160, 10), clBtnShadow);
  EXPECT_EQ(shot.Pixel(219, 28), clBtnHighlight);
  EXPECT_EQ(shot.Pixel(190, 25), clInfoBk);
  EXPECT_EQ(shot.Pixel(5, 150), clBtnFace);
}

struct LayerCase {
  const char* name;
  int lowerLeft;
  int upperLeft;
  bool upperVisible;
};

class LayerTest : public WindowTest, public testing::WithParamInterface<LayerCase> {};

// What the screen shows inside the panel's client area is, pixel by pixel, what the topmost
// visible layer paints there (TImage::PixelShown), or the panel's face.
TEST_P(LayerTest, CompositesLayersClippedToThePanelClientArea) {
  const LayerCase& c = GetParam();
  TImage** layers = plotForm->layers;
  layers[0]->SetPicture(Pattern(126, 86, 3));
  layers[1]->SetBounds(c.lowerLeft, 2, 300, 86);
  layers[1]->SetPicture(Pattern(300, 86, 5));
  layers[2]->SetBounds(c.upperLeft, 2, 300, 86);
  layers[2]->SetTransparent(true);
  layers[2]->SetPicture(Strokes(300, 86));
  layers[2]->SetVisible(c.upperVisible);
  layers[1]->SetTransparent(false);
  const TBitmap shot = CaptureClient();
  const TRect client = plotForm->plot->ClientRect();
  for (int y = client.Top; y < client.Bottom; ++y)
    for (int x = client.Left; x < client.Right; ++x) {
      TColor expected = plotForm->plot->Color();
      for (TImage* layer : plotForm->layers)
        if (layer->Visible())
          if (auto shown = layer->PixelShown(x - layer->Left(), y - layer->Top())) expected = *shown;
      ASSERT_EQ(shot.Pixel(10 + x, 10 + y), expected) << c.name << " at " << x << "," << y;
    }
  EXPECT_EQ(shot.Pixel(10, 40), clBtnShadow) << "the outer bevel stays uncovered";
  EXPECT_EQ(shot.Pixel(11, 40), clBtnFace) << "the border stays uncovered";
}

INSTANTIATE_TEST_SUITE_P(Plot, LayerTest,
                         testing::Values(LayerCase{"transparent_over_opaque", 2, 2, true},
                                         LayerCase{"negative_left", -200, -150, true},
                                         LayerCase{"upper_hidden", -40, 2, false}),
                         [](const testing::TestParamInfo<LayerCase>& info) { return std::string(info.param.name); });

TEST_F(WindowTest, ClickThroughXdotoolReachesTheSpeedButton) {
  const TPoint origin = ClientOrigin();
  const TPoint target{origin.X + 160 + 11, origin.Y + 50 + 11};
  RunTool({"xdotool", "mousemove", std::to_string(target.X), std::to_string(target.Y), "click", "1"});
  ASSERT_TRUE(RunUntil([] { return plotForm->clicks == 1; }));
  EXPECT_TRUE(plotForm->button->Down());
  const TBitmap shot = CaptureClient();
  EXPECT_EQ(shot.Pixel(160, 50), clBtnShadow) << "a down flat button is drawn sunken";
}

TEST_F(WindowTest, MouseOnImageArrivesInItsFrameAndStaysCapturedWhileHeld) {
  struct Event {
    char kind;
    int x, y;
  };
  std::vector<Event> events;
  TImage* top = plotForm->layers[2];
  top->SetBounds(20, 10, 100, 70);
  top->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { events.push_back({'d', x, y}); };
  top->OnMouseMove = [&](TObject*, TShiftState, int x, int y) { events.push_back({'m', x, y}); };
  top->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int y) { events.push_back({'u', x, y}); };
  const TPoint origin = ClientOrigin();
  const int imageX = origin.X + 10 + 20;
  const int imageY = origin.Y + 10 + 10;
  RunTool({"xdotool", "mousemove", std::to_string(imageX + 5), std::to_string(imageY + 7), "mousedown", "1"});
  ASSERT_TRUE(RunUntil([&] { return !events.empty() && events.back().kind == 'd'; }));
  EXPECT_EQ(events.back().x, 5);
  EXPECT_EQ(events.back().y, 7);
  const auto movedTo = [&](int x, int y) {
    return std::any_of(events.begin(), events.end(), [&](const Event& e) { return e.kind == 'm' && e.x == x && e.y == y; });
  };
  RunTool({"xdotool", "mousemove", std::to_string(imageX + 250), std::to_string(imageY + 3)});
  EXPECT_TRUE(RunUntil([&] { return movedTo(250, 3); })) << "a drag outside the image still reaches it";
  RunTool({"xdotool", "mouseup", "1"});
  ASSERT_TRUE(RunUntil([&] { return events.back().kind == 'u'; }));
  EXPECT_EQ(events.back().x, 250);
  EXPECT_EQ(events.back().y, 3);
  RunTool({"xdotool", "mousemove", std::to_string(imageX + 40), std::to_string(imageY + 20)});
  EXPECT_TRUE(RunUntil([&] { return movedTo(40, 20); })) << "plain moves reach the image under the pointer";
}

TEST_F(WindowTest, WindowCarriesClassAndFollowsTheModelsPlace) {
  const std::string ids = WindowIds();
  ASSERT_FALSE(ids.empty());
  const std::string id = ids.substr(0, ids.find('\n'));
  plotForm->SetLeft(40);
  plotForm->SetClientWidth(320);
  Settle();
  const std::string geometry = RunTool({"xdotool", "getwindowgeometry", id});
  EXPECT_NE(geometry.find("Position: 43,105"), std::string::npos) << geometry;
  EXPECT_NE(geometry.find("Geometry: 320x200"), std::string::npos) << geometry;
}

}
