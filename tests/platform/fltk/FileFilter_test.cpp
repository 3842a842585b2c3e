#include "platform/fltk/FileFilter.h"

#include <gtest/gtest.h>

using platform::fltk::ToFltkFilter;

namespace {

struct FilterCase {
  std::string filter;
  std::string expected;
};

class FileFilterTest : public testing::TestWithParam<FilterCase> {};

TEST_P(FileFilterTest, ConvertsToFltkFilter) { EXPECT_EQ(ToFltkFilter(GetParam().filter), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Filters, FileFilterTest,
                         testing::Values(FilterCase{"Diagr.Files(*.dgr)|*.dgr", "Diagr.Files\t*.dgr"},
                                         FilterCase{"Все|*.*", "Все\t*.*"},
                                         FilterCase{"Pictures|*.png;*.bmp|Any (*)|*", "Pictures\t{*.png,*.bmp}\nAny \t*"},
                                         FilterCase{"", ""},
                                         FilterCase{"No pattern", ""}));

}
