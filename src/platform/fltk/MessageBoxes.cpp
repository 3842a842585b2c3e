#include "platform/fltk/MessageBoxes.h"

#include <FL/Fl_File_Chooser.H>
#include <FL/fl_ask.H>

#include "platform/fltk/Fonts.h"

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

int AskQuestion(const std::string& text, const std::string& caption) {
  fl_message_title(caption.c_str());
  // FLTK lays the buttons out from the right: b0 "Нет" rightmost, b1 "Да" left of it and
  // the default, the order and default of a Yes/No message box.
  return fl_choice("%s", fl_no, fl_yes, nullptr, text.c_str()) == 1 ? IdYes : IdNo;
}

void ShowErrorBox(const std::string& text, const std::string& caption) {
  fl_message_title(caption.c_str());
  fl_alert("%s", text.c_str());
}
