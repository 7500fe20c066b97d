// Converts Big5 text into another encoding for a terminal, keeping every
// Big5 character two columns wide so that tables and screens stay aligned:
// a character the terminal shows one column wide is followed by a fill.
#ifndef PLATFORM_POSIX_BIG5_TRANSCODER_H
#define PLATFORM_POSIX_BIG5_TRANSCODER_H

#include <iconv.h>

#include <cstddef>
#include <string>
#include <unordered_map>

class Big5Transcoder {
public:
    // codeset is the target encoding as nl_langinfo(CODESET) names it.
    // Column widths are those of the current LC_CTYPE locale, which is
    // expected to use that codeset, except that with ambiguousWide the
    // East Asian ambiguous characters (box drawing, ●, arrows) count two
    // columns, as a terminal set up for CJK shows them.
    explicit Big5Transcoder(const char *codeset, bool ambiguousWide = false);
    ~Big5Transcoder();
    Big5Transcoder(const Big5Transcoder &) = delete;
    Big5Transcoder &operator=(const Big5Transcoder &) = delete;

    // False when iconv cannot convert from Big5 into the codeset.
    bool ok() const { return cd_ != (iconv_t)-1; }

    // Appends the converted text to out. A Big5 lead byte that ends the
    // input is held back and joined with the first byte of the next call.
    void convert(const char *text, std::size_t len, std::string &out);

private:
    const std::string &glyph(unsigned char lead, unsigned char trail);
    std::string translate(const char *big5, std::size_t len);
    int columns(const std::string &encoded) const;

    iconv_t cd_;
    bool ambiguousWide_;
    std::string rightFill_;  // "─", converted
    int pendingLead_ = -1;
    std::unordered_map<unsigned, std::string> cache_;
};

// True for the names under which a locale reports a Big5 codeset.
bool isBig5Codeset(const char *codeset);

#endif
