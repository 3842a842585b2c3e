#include "diagram_file/CommentText.h"

#include <gtest/gtest.h>

using dgr::DecodeComment;
using dgr::EditorComment;
using dgr::EncodeCommentForSave;
using dgr::EncodedComment;

namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(DecodeComment, AsTheEditorShowsIt) {
  struct Case {
    std::string area;
    std::string text;
  };
  for (const Case& c : std::vector<Case>{{"", ""},
                                         {"plain", "plain"},
                                         {"a\r\nb\r\n", "a\nb\n"},
                                         {"lone\rcr and lone\nlf", "lone\rcr and lone\nlf"},
                                         {"\r\r\n", "\r\n"},
                                         {std::string("up to\0zero", 10), "up to"},
                                         {std::string("\0abc", 4), ""},
                                         {"end\r", "end\r"},
                                         {"\xC4\xE0\xF2\xF7\xE8\xEA \xB9\x35", "Датчик №5"}}) {
    EXPECT_EQ(DecodeComment(Bytes(c.area)), c.text);
  }
}

TEST(EditorComment, KeepsTheFilesLineBreaksUpToTheFirstZero) {
  struct Case {
    std::string area;
    std::string text;
  };
  for (const Case& c : std::vector<Case>{{"", ""},
                                         {"a\r\nb\r\n", "a\r\nb\r\n"},
                                         {"lone\rcr and lone\nlf", "lone\rcr and lone\nlf"},
                                         {std::string("up to\0zero", 10), "up to"},
                                         {"\xC4\xE0\xF2\xF7\xE8\xEA \xB9\x35", "Датчик №5"}}) {
    EXPECT_EQ(EditorComment(Bytes(c.area)), c.text);
  }
}

TEST(EncodeCommentForSave, LineBreaksTrimmingAndCodePage) {
  struct Case {
    std::string text;
    std::string bytes;
  };
  for (const Case& c : std::vector<Case>{{"a\nb", "a\r\nb"},
                                         {"a\r\nb", "a\r\nb"},
                                         {"  \n\t text \n\n", "text"},
                                         {" \n \r\n ", ""},
                                         {"", ""},
                                         {"x\n\ny", "x\r\n\r\ny"},
                                         {"Датчик №5", "\xC4\xE0\xF2\xF7\xE8\xEA \xB9\x35"}}) {
    EncodedComment encoded = EncodeCommentForSave(c.text);
    ASSERT_TRUE(encoded.Ok) << c.text;
    EXPECT_EQ(encoded.Bytes, Bytes(c.bytes)) << c.text;
  }
  EncodedComment refused = EncodeCommentForSave("ok\nnot ok: ∑");
  EXPECT_FALSE(refused.Ok);
  EXPECT_EQ(refused.Unencodable, U'∑');
}

TEST(EncodeCommentForSave, StoredCommentsSurviveLoadAndSave) {
  for (std::string stored : {"Резервуар 5\r\nвода 12 мм\r\n«ok» — №7", "line\r\n\r\nafter blank", "lone\rcr"}) {
    EncodedComment inFile = EncodeCommentForSave(stored);
    ASSERT_TRUE(inFile.Ok);
    EncodedComment saved = EncodeCommentForSave(EditorComment(inFile.Bytes));
    ASSERT_TRUE(saved.Ok);
    EXPECT_EQ(saved.Bytes, inFile.Bytes) << stored;
  }
}

}  // namespace
