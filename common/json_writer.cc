#include "common/json_writer.h"

#include <vector>

namespace quillon {
namespace {

bool NeedsEscape(char16_t c) {
  return c == u'\\' || c == u'/' || c == u'"' || c == u'\b' || c == u'\t' || c == u'\n' ||
         c == u'\r' || c == u'\f';
}

void AppendQuoted(const std::u16string& text, bool escape, std::u16string& out) {
  out += u'"';
  if (!escape) {
    out += text;
    out += u'"';
    return;
  }
  size_t run = 0;  // start of the characters not yet copied
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (!NeedsEscape(c)) continue;
    out.append(text, run, i - run);
    run = i + 1;
    out += u'\\';
    switch (c) {
      case u'\b': out += u'b'; break;
      case u'\t': out += u't'; break;
      case u'\n': out += u'n'; break;
      case u'\r': out += u'r'; break;
      case u'\f': out += u'f'; break;
      default: out += c; break;
    }
  }
  out.append(text, run, std::u16string::npos);
  out += u'"';
}

// An open container: the next child to write.
struct Frame {
  const JsonNode* node;
  size_t next;
};

}  // namespace

void WriteJsonText(const JsonNode& root, bool indent, bool escape, std::u16string& out) {
  std::vector<Frame> stack;
  // Writes the start of node; containers are pushed and their children written later.
  auto begin = [&](const JsonNode& node) {
    switch (node.Type()) {
      case kJsonString: AppendQuoted(node.Text(), escape, out); break;
      case kJsonArray:
        out += u'[';
        stack.push_back({&node, 0});
        break;
      case kJsonObject:
        out += u'{';
        if (indent) out += u"\r\n";
        stack.push_back({&node, 0});
        break;
      default: out += node.Text(); break;
    }
  };
  begin(root);
  while (!stack.empty()) {
    Frame& top = stack.back();
    const auto& children = top.node->Children();
    bool object = top.node->Type() == kJsonObject;
    // The container's own nesting level: its members are one deeper.
    size_t level = stack.size() - 1;
    if (top.next > 0) {
      if (object && indent) {
        // The member just written ends its line.
        if (top.next < children.size()) out += u',';
        out += u"\r\n";
      } else if (top.next < children.size()) {
        out += u',';
      }
    }
    if (top.next >= children.size()) {
      if (object) {
        if (indent) out.append(level, u'\t');
        out += u'}';
      } else {
        out += u']';
      }
      stack.pop_back();
      continue;
    }
    const JsonNode& child = *children[top.next++];
    if (object) {
      if (indent) out.append(level + 1, u'\t');
      AppendQuoted(child.Key(), escape, out);
      out += u':';
    }
    begin(child);  // may push: top is not used after this
  }
}

}  // namespace quillon
