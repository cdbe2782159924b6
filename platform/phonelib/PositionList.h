// A list walked by positions, as the phone library's callers walk its lists:
//
//   for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) use(list.GetNext(pos));
//
// A position names one entry; it stays valid until that entry is removed.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>

struct PositionTag;
using POSITION = PositionTag*;

template <class T>
class PositionList {
 public:
  PositionList() = default;
  PositionList(const PositionList& other) { Append(other); }
  PositionList& operator=(const PositionList& other) {
    if (this == &other) return *this;
    RemoveAll();
    Append(other);
    return *this;
  }
  ~PositionList() { RemoveAll(); }

  POSITION GetHeadPosition() const { return ToPosition(head_.get()); }
  // The entry at pos; pos moves on to the next entry, or null after the last.
  T& GetNext(POSITION& pos) {
    Node* node = FromPosition(pos);
    pos = ToPosition(node->next.get());
    return node->value;
  }
  const T& GetNext(POSITION& pos) const {
    const Node* node = FromPosition(pos);
    pos = ToPosition(node->next.get());
    return node->value;
  }
  POSITION AddTail(const T& value) {
    auto node = std::make_unique<Node>(value);
    Node* added = node.get();
    (tail_ != nullptr ? tail_->next : head_) = std::move(node);
    tail_ = added;
    ++count_;
    return ToPosition(added);
  }
  // Frees the entries one by one, so that a long list does not recurse.
  void RemoveAll() {
    while (head_ != nullptr) head_ = std::move(head_->next);
    tail_ = nullptr;
    count_ = 0;
  }
  size_t GetCount() const { return count_; }
  bool IsEmpty() const { return count_ == 0; }

 private:
  struct Node {
    explicit Node(const T& v) : value(v) {}
    T value;
    std::unique_ptr<Node> next;
  };
  static POSITION ToPosition(const Node* node) {
    return reinterpret_cast<POSITION>(const_cast<Node*>(node));
  }
  static Node* FromPosition(POSITION pos) { return reinterpret_cast<Node*>(pos); }

  void Append(const PositionList& other) {
    for (POSITION pos = other.GetHeadPosition(); pos != nullptr;) AddTail(other.GetNext(pos));
  }

  std::unique_ptr<Node> head_;
  Node* tail_ = nullptr;
  size_t count_ = 0;
};
