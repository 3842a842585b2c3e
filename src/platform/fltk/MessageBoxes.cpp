#include "platform/fltk/MessageBoxes.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "platform/fltk/FltkColor.h"
#include "platform/fltk/Fonts.h"
#include "platform/fltk/PushButtonWidget.h"
#include "platform/forms/MessageBox.h"

namespace platform::fltk {

using platform::forms::IDNO;
using platform::forms::IDOK;
using platform::forms::IDYES;
using platform::forms::MB_ICONQUESTION;
using platform::forms::MB_YESNO;
using platform::graphics::clBtnFace;

void LocalizeFltkDialogs() {
  fl_yes = "Да";
  fl_no = "Нет";
  fl_ok = "ОК";
  fl_cancel = "Отмена";
  fl_close = "Закрыть";
  fl_message_font(SansFont(false), 13);
  Fl_File_Chooser::add_favorites_label = "Добавить в избранное";
  Fl_File_Chooser::all_files_label = "Все файлы (*)";
  Fl_File_Chooser::custom_filter_label = "Свой фильтр";
  Fl_File_Chooser::existing_file_label = "Выберите существующий файл.";
  Fl_File_Chooser::favorites_label = "Избранное";
  Fl_File_Chooser::filename_label = "Имя файла:";
  Fl_File_Chooser::filesystems_label = "Файловые системы";
  Fl_File_Chooser::hidden_label = "Скрытые файлы";
  Fl_File_Chooser::manage_favorites_label = "Управление избранным";
  Fl_File_Chooser::new_directory_label = "Новая папка:";
  Fl_File_Chooser::new_directory_tooltip = "Создать папку";
  Fl_File_Chooser::preview_label = "Просмотр";
  Fl_File_Chooser::save_label = "Сохранить";
  Fl_File_Chooser::show_label = "Тип файлов:";
}

namespace {

constexpr int Margin = 12;
constexpr int IconSize = 32;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 23;
constexpr int ButtonGap = 6;
constexpr Fl_Fontsize TextSize = 13;

struct BoxState {
  int answer = 0;
};

}

int RunMessageBox(const std::string& text, const std::string& caption, unsigned flags, bool error) {
  const bool yesNo = (flags & 0xF) == MB_YESNO;
  const char* iconText = (flags & MB_ICONQUESTION) ? "?" : error ? "!" : "i";

  fl_font(SansFont(false), TextSize);
  int textWidth = 0, textHeight = 0;
  fl_measure(text.c_str(), textWidth, textHeight, 0);
  const int buttons = yesNo ? 2 : 1;
  const int buttonsWidth = buttons * ButtonWidth + (buttons - 1) * ButtonGap;
  const int width = std::max(Margin + IconSize + Margin + textWidth + Margin, Margin + buttonsWidth + Margin);
  const int bodyHeight = std::max(IconSize, textHeight);
  const int height = Margin + bodyHeight + Margin + ButtonHeight + Margin;

  Fl_Group::current(nullptr);
  Fl_Double_Window window((Fl::w() - width) / 2, (Fl::h() - height) / 2, width, height);
  window.copy_label(caption.c_str());
  window.xclass("dgrview");
  window.color(ToFlColor(clBtnFace));

  Fl_Box icon(Margin, Margin, IconSize, IconSize, iconText);
  icon.box(FL_THIN_UP_BOX);
  icon.color(FL_WHITE);
  icon.labelfont(FL_TIMES_BOLD);
  icon.labelsize(24);
  icon.labelcolor(error ? FL_RED : FL_BLUE);

  Fl_Box message(Margin + IconSize + Margin, Margin, textWidth, bodyHeight);
  message.copy_label(text.c_str());
  message.labelfont(SansFont(false));
  message.labelsize(TextSize);
  message.align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);

  BoxState state;
  state.answer = yesNo ? IDNO : IDOK;
  const int buttonsLeft = (width - buttonsWidth) / 2;
  const int buttonsTop = height - Margin - ButtonHeight;
  PushButtonWidget first(buttonsLeft, buttonsTop, ButtonWidth, ButtonHeight);
  first.SetCaption(yesNo ? "Да" : "ОК");
  first.OnClick = [&] {
    state.answer = yesNo ? IDYES : IDOK;
    window.hide();
  };
  PushButtonWidget second(buttonsLeft + ButtonWidth + ButtonGap, buttonsTop, ButtonWidth, ButtonHeight);
  second.SetCaption("Нет");
  second.OnClick = [&] {
    state.answer = IDNO;
    window.hide();
  };
  if (!yesNo) second.hide();
  for (PushButtonWidget* button : {&first, &second}) {
    button->labelfont(SansFont(false));
    button->labelsize(TextSize);
  }
  window.end();
  window.show();
  first.take_focus();
  while (window.shown()) Fl::wait();
  return state.answer;
}

}  // namespace platform::fltk
