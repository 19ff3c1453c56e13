#include "common/tagged_block.h"

#include "common/dbcs_text.h"

namespace quillon {
namespace {

// "#引号", written as its GBK bytes so that every compiler produces the same mark.
constexpr std::string_view kQuoteWord = "#\xD2\xFD\xBA\xC5";

// Position of the first occurrence of needle in text that starts on a character boundary at or
// after from (itself a boundary), comparing bytes exactly; npos when none or needle is empty.
size_t FindOnCharBoundary(std::string_view text, std::string_view needle, size_t from) {
  if (needle.empty()) return std::string_view::npos;
  for (size_t i = from; i < text.size() && text.size() - i >= needle.size(); i += GbkCharLength(text, i)) {
    if (text.compare(i, needle.size(), needle) == 0) return i;
  }
  return std::string_view::npos;
}

std::string ReplaceQuoteWords(std::string_view mark) {
  std::string result;
  size_t start = 0;
  while (true) {
    size_t found = FindOnCharBoundary(mark, kQuoteWord, start);
    if (found == std::string_view::npos) break;
    result.append(mark.substr(start, found - start));
    result.push_back('"');
    start = found + kQuoteWord.size();
  }
  result.append(mark.substr(start));
  return result;
}

}  // namespace

std::string ExtractBlock(std::string_view text, std::string_view opening_mark, std::string_view closing_mark) {
  const std::string opening = ReplaceQuoteWords(opening_mark);
  const std::string closing = ReplaceQuoteWords(closing_mark);
  size_t open_at = FindOnCharBoundary(text, opening, 0);
  if (open_at == std::string_view::npos) return {};
  size_t content_at = open_at + opening.size();
  size_t close_at = FindOnCharBoundary(text, closing, content_at);
  if (close_at == std::string_view::npos) return {};
  return std::string(text.substr(content_at, close_at - content_at));
}

std::string MakeBlock(std::string_view opening_mark, std::string_view content, std::string_view closing_mark) {
  std::string block;
  block.reserve(opening_mark.size() + content.size() + closing_mark.size());
  block.append(opening_mark).append(content).append(closing_mark);
  return block;
}

}  // namespace quillon
