// Tagged blocks: a content between an opening mark such as "[区服序号/]" and a closing mark such
// as "[/区服序号]", the framing that the verification data files and the messages between the
// plugins share.
//
// Nothing escapes a mark inside a content, so a content never holds its own closing mark.
// Marks are searched character by character (GBK-aware), so a mark is never found starting on
// the second byte of a double-byte character.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// The content between the first opening mark of text and the first closing mark after it,
// returned unchanged (no trimming, no unescaping). In both marks every "#引号" first becomes a
// double quote. The empty text when either mark is not found, or when a mark is empty.
std::string ExtractBlock(std::string_view text, std::string_view opening_mark, std::string_view closing_mark);

// opening_mark + content + closing_mark: the block ExtractBlock reads back.
std::string MakeBlock(std::string_view opening_mark, std::string_view content, std::string_view closing_mark);

}  // namespace quillon
