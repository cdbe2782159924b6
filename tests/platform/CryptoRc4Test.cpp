#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/crypto/Md5.h"
#include "platform/crypto/Rc4.h"

namespace {

std::string Hex(const uint8_t* data, size_t size) {
  static const char* kDigits = "0123456789abcdef";
  std::string out;
  for (size_t i = 0; i < size; ++i) {
    out += kDigits[data[i] >> 4];
    out += kDigits[data[i] & 15];
  }
  return out;
}

struct StreamVector {
  std::vector<uint8_t> key;
  size_t offset;
  const char* stream;
};

class Rc4Rfc6229 : public testing::TestWithParam<StreamVector> {};

TEST_P(Rc4Rfc6229, ProducesTheKeyStreamAtTheOffset) {
  const StreamVector& v = GetParam();
  crypto::Rc4 rc4(v.key);
  rc4.Skip(v.offset);
  uint8_t block[16] = {};
  rc4.Apply(block, sizeof block);
  EXPECT_EQ(Hex(block, sizeof block), v.stream);
}

const std::vector<uint8_t> k40{1, 2, 3, 4, 5};
const std::vector<uint8_t> k128{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
const std::vector<uint8_t> k64{0xc1, 0x09, 0x16, 0x39, 0x63, 0x78, 0x44, 0x50};

INSTANTIATE_TEST_SUITE_P(
    Section2, Rc4Rfc6229,
    testing::Values(StreamVector{k40, 0, "b2396305f03dc027ccc3524a0a1118a8"},
                    StreamVector{k40, 16, "6982944f18fc82d589c403a47a0d0919"},
                    StreamVector{k40, 240, "28cb1132c96ce286421dcaadb8b69eae"},
                    StreamVector{k40, 4096, "ff25b58995996707e51fbdf08b34d875"},
                    StreamVector{k128, 0, "9ac7cc9a609d1ef7b2932899cde41b97"},
                    StreamVector{k128, 1520, "b40110c4190b5622a96116b0017ed297"},
                    StreamVector{k64, 256, "c79b6a625a3755b7163b1aac4270eb99"}));

TEST(Rc4, DecryptsWhatItEncryptedWithAFreshState) {
  std::string text = "entries keep their length";
  const std::string original = text;
  auto* bytes = reinterpret_cast<uint8_t*>(text.data());
  crypto::Rc4(k128).Apply(bytes, text.size());
  EXPECT_NE(text, original);
  crypto::Rc4(k128).Apply(bytes, text.size());
  EXPECT_EQ(text, original);
}

TEST(Rc4, SplitApplicationContinuesTheSameStream) {
  uint8_t whole[40] = {};
  uint8_t split[40] = {};
  crypto::Rc4(k40).Apply(whole, sizeof whole);
  crypto::Rc4 rc4(k40);
  rc4.Apply(split, 13);
  rc4.Apply(split + 13, sizeof split - 13);
  EXPECT_EQ(Hex(whole, sizeof whole), Hex(split, sizeof split));
}

TEST(Rc4DefaultKey, KeepsFortyBitsOfTheHashAndZeroSalt) {
  const std::string material = "0123456789abcdef";
  const crypto::Md5::Digest hash = crypto::Md5::Of(material);
  const std::array<uint8_t, 16> key = crypto::DeriveDefaultRc4Key(material);
  EXPECT_EQ(Hex(key.data(), 5), Hex(hash.data(), 5));
  for (size_t i = 5; i < key.size(); ++i) EXPECT_EQ(key[i], 0) << i;
}

}  // namespace
