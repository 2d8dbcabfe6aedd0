// TokenReader splits a byte stream into whitespace-separated tokens, the way
// data.txt is read: a token is a maximal run of bytes other than space, tab,
// line feed, carriage return, vertical tab and form feed. Bytes are taken as
// they are, whatever the locale, and a token may be of any length.
#ifndef GLIMMERKIST_CATALOG_TOKEN_READER_H_
#define GLIMMERKIST_CATALOG_TOKEN_READER_H_

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace glimmerkist {

class TokenReader {
 public:
  explicit TokenReader(std::istream& in);

  /// Skips the UTF-8 byte-order mark (EF BB BF) if the stream starts with
  /// it. REQUIRES: no token has been read yet.
  void skipByteOrderMark();

  /// Puts the next token into `token` and returns true, or returns false with
  /// `token` empty when the stream holds no further token.
  bool next(std::string& token);

 private:
  /// Refills the buffer; false when the stream has nothing more.
  bool fill();

  std::istream& in_;
  std::vector<char> buffer_;
  std::size_t position_ = 0;
  std::size_t end_ = 0;
};

}  // namespace glimmerkist

#endif  // GLIMMERKIST_CATALOG_TOKEN_READER_H_
