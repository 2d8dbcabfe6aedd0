#include "shell/read_token.h"

#include <istream>
#include <locale>
#include <ostream>

namespace glimmerkist {

std::string readToken(Terminal& terminal) {
  std::string token;
  // A write error shows only when the output is flushed, which the read
  // would do next anyway.
  std::ostream& out = terminal.out();
  out.flush();
  if (!out) return token;

  std::istream& in = terminal.in();
  const std::istream::sentry ready(in);  // skips the white space
  if (!ready) return token;
  using Traits = std::istream::traits_type;
  const auto& types = std::use_facet<std::ctype<char>>(in.getloc());
  std::streambuf& source = *in.rdbuf();
  for (Traits::int_type next = source.sgetc();; next = source.snextc()) {
    if (Traits::eq_int_type(next, Traits::eof())) {
      in.setstate(std::ios::eofbit);
      break;
    }
    const char c = Traits::to_char_type(next);
    if (types.is(std::ctype_base::space, c)) break;
    if (token.size() < kMaxTypedTokenBytes) token += c;
  }
  return token;
}

}  // namespace glimmerkist
