#include "platform/crypto/Rc4.h"

#include <utility>

#include "platform/crypto/Md5.h"

namespace crypto {

namespace {
// The provider keeps 40 bits of the hash; the rest of its 128-bit key is zero salt.
constexpr size_t kDefaultKeyBytes = 5;
}  // namespace

Rc4::Rc4(std::span<const uint8_t> key) {
  for (int k = 0; k < 256; ++k) s_[k] = static_cast<uint8_t>(k);
  if (key.empty()) return;
  uint8_t j = 0;
  for (size_t k = 0; k < 256; ++k) {
    j = static_cast<uint8_t>(j + s_[k] + key[k % key.size()]);
    std::swap(s_[k], s_[j]);
  }
}

void Rc4::Apply(uint8_t* data, size_t size) {
  uint8_t i = i_, j = j_;
  for (size_t n = 0; n < size; ++n) {
    i = static_cast<uint8_t>(i + 1);
    j = static_cast<uint8_t>(j + s_[i]);
    std::swap(s_[i], s_[j]);
    data[n] ^= s_[static_cast<uint8_t>(s_[i] + s_[j])];
  }
  i_ = i;
  j_ = j;
}

void Rc4::Skip(size_t size) {
  uint8_t scratch[256] = {};
  while (size > 0) {
    const size_t take = std::min(size, sizeof scratch);
    Apply(scratch, take);
    size -= take;
  }
}

std::array<uint8_t, 16> DeriveDefaultRc4Key(std::string_view material) {
  const Md5::Digest hash = Md5::Of(material);
  std::array<uint8_t, 16> key{};
  for (size_t k = 0; k < kDefaultKeyBytes; ++k) key[k] = hash[k];
  return key;
}

}  // namespace crypto
