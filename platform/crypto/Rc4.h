// RC4 stream cipher and the key the cryptographic service derives for it from an MD5 hash.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace crypto {

class Rc4 {
 public:
  // Schedules the key (1 to 256 bytes).
  explicit Rc4(std::span<const uint8_t> key);

  // XORs the key stream into the data; encryption and decryption are the same operation.
  void Apply(uint8_t* data, size_t size);
  void Skip(size_t size);

 private:
  std::array<uint8_t, 256> s_;
  uint8_t i_ = 0;
  uint8_t j_ = 0;
};

// The base provider's default RC4 key from key material: 40 bits taken from the MD5 hash
// of the material, followed by 11 zero bytes of salt, 16 bytes in all.
std::array<uint8_t, 16> DeriveDefaultRc4Key(std::string_view material);

}  // namespace crypto
