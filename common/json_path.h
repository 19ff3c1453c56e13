// Paths into a JSON tree and their resolution.
//
// A path is read left to right into key and index segments: "." ends a key ("a.b"), "[n]" is
// an index ("list[2][0]", "[0].name"); "\" before ".", "[", "]" or "\" takes that character
// literally, before anything else it is an ordinary character. Empty key segments are skipped,
// so "" and "." name the root. An index is a decimal integer (leading blanks and sign allowed,
// anything else reads as 0). Keys are never trimmed.
//
// Read mode never changes the tree: a key on an object picks the member, an index on an array
// the element and on an object the member at that position; anything else does not resolve.
// Write mode creates what is missing (see ResolveJsonPathForWrite).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/json_node.h"

namespace quillon {

struct JsonPathSegment {
  bool is_index = false;
  int64_t index = 0;
  std::u16string key;
};

// Reads a path one segment at a time.
class JsonPathReader {
 public:
  explicit JsonPathReader(std::u16string_view path) : path_(path) {}
  // The next segment into segment; false at the end of the path.
  bool Next(JsonPathSegment& segment);

 private:
  std::u16string_view path_;
  size_t pos_ = 0;
};

// The node at path below start, or nullptr.
JsonNode* ResolveJsonPath(JsonNode* start, std::u16string_view path);

// The most nulls one index may add to an array: an index from a damaged or hostile text must
// not make the process allocate without bound.
constexpr uint64_t kMaxJsonIndexGrowth = 1u << 24;

// Extends array with nulls until index exists; false when that would add more than
// kMaxJsonIndexGrowth nulls or memory runs out.
bool ExtendJsonArrayTo(JsonNode& array, uint64_t index);

// The node at path below start, created as needed: a key segment turns a non-object into an
// empty object (discarding its content) and adds a missing member as null at the end of the
// member order; an index segment turns a non-array into an empty array and appends nulls up
// to the index. nullptr for a negative index, for an index that would add more than
// kMaxJsonIndexGrowth nulls, or when out of memory; the containers created or converted before
// that stay.
JsonNode* ResolveJsonPathForWrite(JsonNode* start, std::u16string_view path);

}  // namespace quillon
