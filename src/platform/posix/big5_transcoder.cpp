#include "big5_transcoder.h"

#include <cctype>
#include <cstring>
#include <cwchar>

#include <uniwidth.h>

namespace {

const char kRule[] = "\xA2\x77";  // ─

bool isLead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// Box-drawing glyphs whose line runs on to the right: ┌ ┬ ├ ┼ └ ┴ ─.
// Shown one column wide, they are continued with a rule, not a space.
bool runsRight(unsigned code) {
    switch (code) {
    case 0xA27A: case 0xA273: case 0xA275: case 0xA271:
    case 0xA27C: case 0xA272: case 0xA277:
        return true;
    default:
        return false;
    }
}

}  // namespace

bool isBig5Codeset(const char *codeset) {
    std::string name;
    for (const char *p = codeset; *p; ++p)
        if (*p != '-' && *p != '_')
            name += (char)std::toupper((unsigned char)*p);
    return name.compare(0, 4, "BIG5") == 0 || name == "CP950";
}

Big5Transcoder::Big5Transcoder(const char *codeset, bool ambiguousWide)
    : cd_(iconv_open(codeset, "CP950")), ambiguousWide_(ambiguousWide) {
    if (ok())
        rightFill_ = translate(kRule, 2);
    if (rightFill_.empty() || columns(rightFill_) != 1)
        rightFill_ = " ";
}

Big5Transcoder::~Big5Transcoder() {
    if (ok())
        iconv_close(cd_);
}

std::string Big5Transcoder::translate(const char *big5, std::size_t len) {
    char buffer[16];
    char *in = const_cast<char *>(big5);
    char *outp = buffer;
    std::size_t inLeft = len, outLeft = sizeof buffer;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd_, &in, &inLeft, &outp, &outLeft) == (std::size_t)-1)
        return std::string();
    iconv(cd_, nullptr, nullptr, &outp, &outLeft);  // any closing shift
    return std::string(buffer, (std::size_t)(outp - buffer));
}

int Big5Transcoder::columns(const std::string &encoded) const {
    std::mbstate_t state{};
    int total = 0;
    const char *p = encoded.data();
    std::size_t left = encoded.size();
    while (left > 0) {
        wchar_t wc;
        std::size_t n = std::mbrtowc(&wc, p, left, &state);
        if (n == 0 || n > left)
            return -1;
        int w = wcwidth(wc);
        if (w < 0)
            return -1;
        // In a CJK encoding libunistring counts the ambiguous characters
        // two columns, and only those.
        if (w == 1 && ambiguousWide_ && uc_width((ucs4_t)wc, "BIG5") == 2)
            w = 2;
        total += w;
        p += n;
        left -= n;
    }
    return total;
}

const std::string &Big5Transcoder::glyph(unsigned char lead, unsigned char trail) {
    unsigned code = (unsigned)lead << 8 | trail;
    auto found = cache_.find(code);
    if (found != cache_.end())
        return found->second;

    const char pair[2] = {(char)lead, (char)trail};
    std::string shown = translate(pair, 2);
    int width = shown.empty() ? -1 : columns(shown);
    if (width < 0) {
        shown = "?";  // no such character in the terminal's encoding
        width = 1;
    }
    if (width == 1)
        shown += runsRight(code) ? rightFill_ : std::string(" ");
    return cache_.emplace(code, std::move(shown)).first->second;
}

void Big5Transcoder::convert(const char *text, std::size_t len, std::string &out) {
    std::size_t i = 0;
    if (pendingLead_ >= 0 && len > 0) {
        out += glyph((unsigned char)pendingLead_, (unsigned char)text[0]);
        pendingLead_ = -1;
        i = 1;
    }
    while (i < len) {
        unsigned char b = (unsigned char)text[i];
        if (!isLead(b)) {
            out += (char)b;
            i++;
        } else if (i + 1 < len) {
            out += glyph(b, (unsigned char)text[i + 1]);
            i += 2;
        } else {
            pendingLead_ = b;
            i++;
        }
    }
}
