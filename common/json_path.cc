#include "common/json_path.h"

#include "common/json_number.h"

namespace quillon {

bool JsonPathReader::Next(JsonPathSegment& segment) {
  segment.key.clear();
  while (pos_ < path_.size()) {
    char16_t c = path_[pos_];
    if (c == u'\\' && pos_ + 1 < path_.size()) {
      char16_t next = path_[pos_ + 1];
      if (next == u'.' || next == u'[' || next == u']' || next == u'\\') {
        segment.key += next;
        pos_ += 2;
        continue;
      }
    }
    if (c == u'.') {
      ++pos_;
      if (!segment.key.empty()) break;
      continue;  // an empty key segment is skipped
    }
    if (c == u'[') {
      if (!segment.key.empty()) break;  // the "[" is read again as the next segment
      // The index runs to the matching "]" (a later "[" starts it over), or to the end.
      size_t start = ++pos_;
      while (pos_ < path_.size() && path_[pos_] != u']') {
        if (path_[pos_] == u'[') start = pos_ + 1;
        ++pos_;
      }
      segment.is_index = true;
      segment.index = LeadingInt64(path_.substr(start, pos_ - start));
      if (pos_ < path_.size()) ++pos_;  // the "]"
      return true;
    }
    segment.key += c;
    ++pos_;
  }
  if (segment.key.empty()) return false;
  segment.is_index = false;
  return true;
}

JsonNode* ResolveJsonPath(JsonNode* start, std::u16string_view path) {
  JsonNode* node = start;
  JsonPathReader reader(path);
  JsonPathSegment segment;
  while (node != nullptr && reader.Next(segment)) {
    if (!segment.is_index) {
      node = node->FindMember(segment.key);
      continue;
    }
    if (!node->IsContainer() || segment.index < 0 ||
        static_cast<uint64_t>(segment.index) >= node->Count()) {
      return nullptr;
    }
    node = node->Children()[static_cast<size_t>(segment.index)];
  }
  return node;
}

bool ExtendJsonArrayTo(JsonNode& array, uint64_t index) {
  if (index < array.Count()) return true;
  if (index - array.Count() >= kMaxJsonIndexGrowth) return false;
  try {
    while (array.Count() <= index) {
      JsonNode* null = JsonNode::NewNull();
      try {
        array.Append(null);
      } catch (...) {
        null->Release();
        throw;
      }
    }
  } catch (...) {
    return false;
  }
  return true;
}

JsonNode* ResolveJsonPathForWrite(JsonNode* start, std::u16string_view path) {
  JsonNode* node = start;
  JsonPathReader reader(path);
  JsonPathSegment segment;
  try {
    while (node != nullptr && reader.Next(segment)) {
      if (!segment.is_index) {
        if (node->Type() != kJsonObject) node->ResetAs(kJsonObject);
        JsonNode* member = node->FindMember(segment.key);
        if (member == nullptr) {
          member = JsonNode::NewNull();
          try {
            node->PutMember(segment.key, member);
          } catch (...) {
            member->Release();
            throw;
          }
        }
        node = member;
        continue;
      }
      if (segment.index < 0) return nullptr;
      if (node->Type() != kJsonArray) node->ResetAs(kJsonArray);
      if (!ExtendJsonArrayTo(*node, static_cast<uint64_t>(segment.index))) return nullptr;
      node = node->Children()[static_cast<size_t>(segment.index)];
    }
  } catch (...) {
    return nullptr;
  }
  return node;
}

}  // namespace quillon
