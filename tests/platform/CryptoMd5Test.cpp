#include <gtest/gtest.h>

#include <string>

#include "platform/crypto/Md5.h"

namespace {

std::string Hex(const crypto::Md5::Digest& digest) {
  static const char* kDigits = "0123456789abcdef";
  std::string out;
  for (uint8_t b : digest) {
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

struct Vector {
  const char* message;
  const char* digest;
};

class Md5Rfc1321 : public testing::TestWithParam<Vector> {};

TEST_P(Md5Rfc1321, HashesTheSuiteMessage) {
  EXPECT_EQ(Hex(crypto::Md5::Of(GetParam().message)), GetParam().digest);
}

// The test suite of RFC 1321, appendix A.5.
INSTANTIATE_TEST_SUITE_P(
    Appendix, Md5Rfc1321,
    testing::Values(Vector{"", "d41d8cd98f00b204e9800998ecf8427e"},
                    Vector{"a", "0cc175b9c0f1b6a831c399e269772661"},
                    Vector{"abc", "900150983cd24fb0d6963f7d28e17f72"},
                    Vector{"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
                    Vector{"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
                    Vector{"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
                           "d174ab98d277d9f5a5611c2c9f419d9f"},
                    Vector{"1234567890123456789012345678901234567890123456789012345678901234567890"
                           "1234567890",
                           "57edf4a22be3c955ac49da2e2107b67a"}));

TEST(Md5, GivesTheSameDigestWhateverTheUpdatePieces) {
  const std::string message(200, 'x');
  for (size_t piece : {1u, 7u, 55u, 56u, 63u, 64u, 65u}) {
    crypto::Md5 md5;
    for (size_t at = 0; at < message.size(); at += piece)
      md5.Update(std::string_view(message).substr(at, piece));
    EXPECT_EQ(Hex(md5.Final()), Hex(crypto::Md5::Of(message))) << "piece " << piece;
  }
}

}  // namespace
