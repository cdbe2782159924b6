// MD5 message digest (RFC 1321), for the key derivation of the cryptographic service.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace crypto {

class Md5 {
 public:
  using Digest = std::array<uint8_t, 16>;

  Md5();
  void Update(const uint8_t* data, size_t size);
  void Update(std::string_view data);
  // Pads, appends the bit length and returns the digest; the object is spent afterwards.
  Digest Final();

  static Digest Of(std::string_view data);

 private:
  void Transform(const uint8_t* block);

  std::array<uint32_t, 4> state_;
  uint64_t bytes_ = 0;
  std::array<uint8_t, 64> buffer_{};
};

}  // namespace crypto
