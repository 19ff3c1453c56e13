#include "common/tagged_block.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(TaggedBlock, ExtractsTheContentOfTheFirstBlock) {
  struct Case {
    std::string text;
    std::string content;
  } cases[] = {
      {"[a/]x[/a]", "x"},
      {"pre[a/] x\\n\"y\" [/a]post", " x\\n\"y\" "},  // returned unchanged
      {"[a/][/a]", ""},
      {"[a/]one[/a][a/]two[/a]", "one"},
      {"[/a]early[a/]late[/a]", "late"},  // the closing mark is searched after the opening one
      {"[a/]x[a/]y[/a]", "x[a/]y"},       // a second opening mark is content
      {"[A/]x[/A]", ""},                  // marks are case-sensitive
      {"[a/]unclosed", ""},
      {"no marks", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ExtractBlock(c.text, "[a/]", "[/a]"), c.content) << c.text;
}

TEST(TaggedBlock, QuoteWordInMarksStandsForADoubleQuote) {
  const std::string text = "{\"key\":\"value\",\"other\":1}";
  EXPECT_EQ(ExtractBlock(text, "#引号key#引号:#引号", "#引号,"), "value");
  EXPECT_EQ(ExtractBlock(text, "\"key\":\"", "\","), "value");
}

TEST(TaggedBlock, MarksAreNotFoundInsideDoubleByteCharacters) {
  // "\x81[" is one double-byte character whose trail byte is "[".
  EXPECT_EQ(ExtractBlock("\x81[a/]X[a/]Y[/a]", "[a/]", "[/a]"), "Y");
  // "\x81[" inside the content does not start the closing mark either.
  EXPECT_EQ(ExtractBlock("[a/]\x81[/a][/a]", "[a/]", "[/a]"), "\x81[/a]");
  EXPECT_EQ(ExtractBlock("[区服序号/]淺[/区服序号]", "[区服序号/]", "[/区服序号]"), "淺");
}

TEST(TaggedBlock, MakeBlockIsReadBack) {
  std::string block = MakeBlock("[白名单数据/]", "{\"A\":1}", "[/白名单数据]");
  EXPECT_EQ(block, "[白名单数据/]{\"A\":1}[/白名单数据]");
  EXPECT_EQ(ExtractBlock("," + block + ",", "[白名单数据/]", "[/白名单数据]"), "{\"A\":1}");
}

}  // namespace
}  // namespace quillon
