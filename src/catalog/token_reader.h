// TokenReader splits a byte stream into whitespace-separated tokens, the way
// data.txt is read: a token is a maximal run of bytes other than space, tab,
// line feed, carriage return, vertical tab and form feed. Bytes are taken as
// they are, whatever the locale.
//
// The stream is read in blocks of kBlockBytes; a token inside one block is
// handed out as a view into it, without copying, and only a token that runs
// over a block's end is gathered in a buffer of the reader's own. A token
// longer than kMaxCatalogTokenBytes is not gathered whole: the reader stops there and
// says so, so that a file of one endless token cannot exhaust memory.
#ifndef GLIMMERKIST_CATALOG_TOKEN_READER_H_
#define GLIMMERKIST_CATALOG_TOKEN_READER_H_

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "base/limits.h"

namespace glimmerkist {

class TokenReader {
 public:
  /// The size of one read from the stream.
  static constexpr std::size_t kBlockBytes = std::size_t{1} << 16;

  explicit TokenReader(std::istream& in);

  /// Skips the UTF-8 byte-order mark (EF BB BF) if the stream starts with
  /// it. REQUIRES: no token has been read yet.
  void skipByteOrderMark();

  /// Points `token` at the next token and returns true. The view stays valid
  /// until the next call. Returns false with `token` empty when the stream
  /// holds no further token, or when the next token is longer than
  /// kMaxCatalogTokenBytes (then tooLong() is true); either way every later call
  /// returns false as well.
  bool next(std::string_view& token);

  /// As above, with the token copied into `token`.
  bool next(std::string& token);

  /// True once a token longer than kMaxCatalogTokenBytes was met; nothing after
  /// its start is read.
  bool tooLong() const { return tooLong_; }

  /// The first bytes of the over-long token, at most `bytes` of them.
  /// REQUIRES: tooLong().
  std::string_view tooLongStart(std::size_t bytes) const {
    return std::string_view(spill_).substr(0, bytes);
  }

 private:
  /// Reads the next block; false when the stream has nothing more.
  bool fill();

  std::istream& in_;
  std::vector<char> block_;
  std::size_t position_ = 0;
  std::size_t end_ = 0;
  /// A token that runs over the end of a block, gathered here.
  std::string spill_;
  bool tooLong_ = false;
};

}  // namespace glimmerkist

#endif  // GLIMMERKIST_CATALOG_TOKEN_READER_H_
