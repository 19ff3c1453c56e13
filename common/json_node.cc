#include "common/json_node.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

namespace quillon {
namespace {

constexpr size_t kInitialBuckets = 11;
constexpr size_t kInitialItems = 8;

size_t ThresholdFor(size_t bucket_count) { return bucket_count * 3 / 4; }  // load factor 0.75

size_t BucketOf(uint32_t hash, size_t bucket_count) { return (hash & 0x7FFFFFFFu) % bucket_count; }

std::u16string DecimalText(int64_t value) {
  char buffer[24];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::u16string(buffer, result.ptr);
}

// Shortest decimal form that reads back to the same value. Infinities are written as numbers
// out of range (which read back as infinities); NaN has no number form and is written null.
std::u16string RealText(double value) {
  if (std::isnan(value)) return u"null";
  if (std::isinf(value)) return value > 0 ? u"1e999" : u"-1e999";
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::u16string(buffer, result.ptr);
}

}  // namespace

uint32_t JsonKeyHash(std::u16string_view key) {
  uint32_t hash = 0;
  for (size_t i = key.size(); i-- > 0;) {
    hash = hash * 31 + static_cast<uint32_t>(key[i] >> 8);
    hash = hash * 31 + static_cast<uint32_t>(key[i] & 0xFF);
  }
  return hash;
}

JsonNode* JsonNode::NewNull() {
  JsonNode* node = new JsonNode(kJsonNull);
  node->text_ = u"null";
  return node;
}

JsonNode* JsonNode::NewBool(bool value) {
  JsonNode* node = new JsonNode(kJsonNull);
  node->SetBool(value);
  return node;
}

JsonNode* JsonNode::NewInt64(int64_t value) {
  JsonNode* node = new JsonNode(kJsonNull);
  node->SetInt64(value);
  return node;
}

JsonNode* JsonNode::NewReal(double value) {
  JsonNode* node = new JsonNode(kJsonNull);
  node->SetReal(value);
  return node;
}

JsonNode* JsonNode::NewString(std::u16string_view value) {
  JsonNode* node = new JsonNode(kJsonString);
  node->text_.assign(value);
  return node;
}

JsonNode* JsonNode::NewContainer(JsonType type) { return new JsonNode(type); }

void JsonNode::Release() {
  if (refs_.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
  // Normally a linked node cannot reach zero (its container holds a reference); a caller that
  // released a reference it did not own still must not leave a dangling child behind.
  if (parent_ != nullptr) parent_->Unlink(this);
  // Free list threaded through parent_: no recursion, no allocation.
  JsonNode* pending = this;
  pending->parent_ = nullptr;
  while (pending != nullptr) {
    JsonNode* node = pending;
    pending = node->parent_;
    for (JsonNode* child : node->items_) {
      child->parent_ = nullptr;
      child->next_in_bucket_ = nullptr;
      if (child->refs_.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        child->parent_ = pending;
        pending = child;
      } else {
        child->key_.clear();  // survives as a detached node held by someone else
        child->key_hash_ = 0;
      }
    }
    delete node;
  }
}

JsonNode* JsonNode::FindMember(std::u16string_view key) const {
  if (type_ != kJsonObject || buckets_.empty()) return nullptr;
  uint32_t hash = JsonKeyHash(key);
  for (JsonNode* node = buckets_[BucketOf(hash, buckets_.size())]; node != nullptr;
       node = node->next_in_bucket_) {
    if (node->key_hash_ == hash && node->key_ == key) return node;
  }
  return nullptr;
}

ptrdiff_t JsonNode::IndexOf(const JsonNode* child) const {
  auto it = std::find(items_.begin(), items_.end(), child);
  return it == items_.end() ? -1 : it - items_.begin();
}

void JsonNode::ResetAs(JsonType type) {
  RemoveAll();
  buckets_.clear();
  buckets_.shrink_to_fit();
  items_.shrink_to_fit();
  threshold_ = 0;
  type_ = type;
  int_value_ = 0;
  real_value_ = 0;
  switch (type) {
    case kJsonNull: text_ = u"null"; break;
    case kJsonReal:
    case kJsonInteger: text_ = u"0"; break;
    case kJsonBoolean: text_ = u"false"; break;
    default: text_.clear(); break;
  }
}

void JsonNode::SetNull() { ResetAs(kJsonNull); }

void JsonNode::SetBool(bool value) {
  ResetAs(kJsonBoolean);
  int_value_ = value ? 1 : 0;
  real_value_ = int_value_;
  text_ = value ? u"true" : u"false";
}

void JsonNode::SetInt64(int64_t value) {
  ResetAs(kJsonInteger);
  int_value_ = value;
  real_value_ = static_cast<double>(value);
  text_ = DecimalText(value);
}

void JsonNode::SetReal(double value) {
  ResetAs(kJsonReal);
  real_value_ = value;
  text_ = RealText(value);
}

void JsonNode::SetString(std::u16string_view value) {
  ResetAs(kJsonString);
  text_.assign(value);
}

void JsonNode::SetNumberLiteral(JsonType type, int64_t int_value, double real_value,
                                std::u16string_view literal) {
  ResetAs(type);
  int_value_ = int_value;
  real_value_ = real_value;
  text_.assign(literal);
}

void JsonNode::GrowItems() {
  if (items_.size() < items_.capacity()) return;
  items_.reserve(items_.capacity() == 0 ? kInitialItems : items_.capacity() * 2 + 1);
}

void JsonNode::InsertIntoBucket(JsonNode* child) {
  JsonNode*& head = buckets_[BucketOf(child->key_hash_, buckets_.size())];
  child->next_in_bucket_ = head;
  head = child;
}

void JsonNode::RemoveFromBucket(JsonNode* child) {
  JsonNode** link = &buckets_[BucketOf(child->key_hash_, buckets_.size())];
  while (*link != nullptr && *link != child) link = &(*link)->next_in_bucket_;
  if (*link == child) *link = child->next_in_bucket_;
  child->next_in_bucket_ = nullptr;
}

void JsonNode::Rehash(size_t bucket_count) {
  std::vector<JsonNode*> buckets(bucket_count, nullptr);
  buckets_.swap(buckets);
  threshold_ = ThresholdFor(bucket_count);
  // Reinserting in member order puts later members first in each chain, as inserting them
  // one by one would.
  for (JsonNode* member : items_) InsertIntoBucket(member);
}

void JsonNode::PutMember(std::u16string key, JsonNode* child, ptrdiff_t position) {
  uint32_t hash = JsonKeyHash(key);
  child->key_ = std::move(key);
  child->key_hash_ = hash;
  child->parent_ = this;
  if (buckets_.empty()) {
    buckets_.assign(kInitialBuckets, nullptr);
    threshold_ = ThresholdFor(kInitialBuckets);
  }
  JsonNode** link = &buckets_[BucketOf(hash, buckets_.size())];
  while (*link != nullptr && !((*link)->key_hash_ == hash && (*link)->key_ == child->key_)) {
    link = &(*link)->next_in_bucket_;
  }
  if (JsonNode* old = *link) {
    // Same key: the new node takes the old one's place in the chain and in the member order.
    child->next_in_bucket_ = old->next_in_bucket_;
    *link = child;
    *std::find(items_.begin(), items_.end(), old) = child;
    old->parent_ = nullptr;
    old->next_in_bucket_ = nullptr;
    old->key_.clear();
    old->key_hash_ = 0;
    old->Release();
    return;
  }
  GrowItems();
  if (items_.size() >= threshold_) Rehash(buckets_.size() * 2 + 1);
  InsertIntoBucket(child);
  if (position < 0 || static_cast<size_t>(position) >= items_.size()) {
    items_.push_back(child);
  } else {
    items_.insert(items_.begin() + position, child);
  }
}

void JsonNode::Append(JsonNode* child) {
  GrowItems();
  child->parent_ = this;
  items_.push_back(child);
}

void JsonNode::InsertAt(size_t index, JsonNode* child) {
  GrowItems();
  child->parent_ = this;
  items_.insert(items_.begin() + static_cast<ptrdiff_t>(std::min(index, items_.size())), child);
}

void JsonNode::ReplaceAt(size_t index, JsonNode* child) {
  if (index >= items_.size()) return;
  if (type_ == kJsonObject) {
    PutMember(items_[index]->key_, child);
    return;
  }
  JsonNode* old = items_[index];
  child->parent_ = this;
  items_[index] = child;
  old->parent_ = nullptr;
  old->Release();
}

void JsonNode::Unlink(JsonNode* child) {
  auto it = std::find(items_.begin(), items_.end(), child);
  if (it == items_.end()) return;
  if (type_ == kJsonObject) RemoveFromBucket(child);
  items_.erase(it);
  child->parent_ = nullptr;
  child->key_.clear();
  child->key_hash_ = 0;
}

void JsonNode::RemoveAt(size_t index) {
  if (index >= items_.size()) return;
  JsonNode* child = items_[index];
  Unlink(child);
  child->Release();
}

void JsonNode::RemoveAll() {
  std::vector<JsonNode*> items;
  items.swap(items_);
  std::fill(buckets_.begin(), buckets_.end(), nullptr);
  for (JsonNode* child : items) {
    child->parent_ = nullptr;
    child->next_in_bucket_ = nullptr;
    child->key_.clear();
    child->key_hash_ = 0;
    child->Release();
  }
}

std::vector<JsonNode*> JsonNode::TakeAll() {
  std::vector<JsonNode*> items;
  items.swap(items_);
  std::fill(buckets_.begin(), buckets_.end(), nullptr);
  for (JsonNode* child : items) {
    child->parent_ = nullptr;
    child->next_in_bucket_ = nullptr;
  }
  return items;
}

void JsonNode::Reorder(std::vector<JsonNode*> order) {
  if (order.size() == items_.size()) items_ = std::move(order);
}

JsonNode* JsonNode::DeepCopy(const JsonNode& source) {
  auto copy_self = [](const JsonNode& from) {
    JsonNode* node = new JsonNode(from.type_);
    node->int_value_ = from.int_value_;
    node->real_value_ = from.real_value_;
    node->text_ = from.text_;
    return node;
  };
  JsonNode* root = nullptr;
  // Pairs still to fill; the tree is consistent at every step, so a failure releases it whole.
  std::vector<std::pair<const JsonNode*, JsonNode*>> pending;
  try {
    root = copy_self(source);
    if (source.IsContainer()) pending.emplace_back(&source, root);
    while (!pending.empty()) {
      auto [from, to] = pending.back();
      pending.pop_back();
      to->items_.reserve(std::max(from->items_.size(), kInitialItems));
      if (from->type_ == kJsonObject && !from->items_.empty()) {
        size_t buckets = kInitialBuckets;
        while (ThresholdFor(buckets) < from->items_.size()) buckets = buckets * 2 + 1;
        to->buckets_.assign(buckets, nullptr);
        to->threshold_ = ThresholdFor(buckets);
      }
      for (const JsonNode* child : from->items_) {
        JsonNode* copy = copy_self(*child);
        copy->parent_ = to;
        if (to->type_ == kJsonObject) {
          // Keys of the source are distinct: no lookup needed.
          copy->key_ = child->key_;
          copy->key_hash_ = child->key_hash_;
          to->InsertIntoBucket(copy);
        }
        to->items_.push_back(copy);
        if (child->IsContainer() && !child->items_.empty()) pending.emplace_back(child, copy);
      }
    }
  } catch (...) {
    if (root != nullptr) root->Release();
    return nullptr;
  }
  return root;
}

}  // namespace quillon
