// ECB mode with the component's closing block. Every enciphered text ends in
// one extra block: the 0 ... 15 bytes left over after the whole blocks, zeros,
// and the count of those bytes in the block's last byte.
#pragma once

#include "crypto/aes.h"
#include "crypto/bytes.h"

#include <string>
#include <string_view>

namespace rq::crypto {

// 16 * (data.size() / 16 + 1) bytes.
Bytes ecbEncrypt(const AesContext& encryptor, std::string_view data);

// Fails with "Invalid file format" when data holds no whole block; bytes after
// the last whole block are ignored. closingValid, when given, receives whether
// the closing block's count byte is one that encryption writes (0 ... 15).
std::string ecbDecrypt(const AesContext& decryptor, const Bytes& data,
                       bool* closingValid = nullptr);

} // namespace rq::crypto
