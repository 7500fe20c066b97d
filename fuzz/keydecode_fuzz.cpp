// libFuzzer target over the key decoder: whatever bytes a terminal sends,
// with pauses anywhere, the decoder must not crash and must give only
// codes the Windows runtime's _getch could give: single codes 1-255 other
// than the prefixes, each prefix (0 or 224) followed in the same call by
// a scan code.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/posix/conio/keydecode.h"

namespace {

void check(const int *codes, int count) {
    if (count < 0 || count > keyDecodeMaxCodes)
        std::abort();
    for (int i = 0; i < count; ++i) {
        int code = codes[i];
        if (code < 0 || code > 255)
            std::abort();
        if (code == 0 || code == 224) {
            // a pair is handed out whole, never split across calls
            if (++i == count || codes[i] < 1 || codes[i] > 255)
                std::abort();
        }
    }
}

void run(const uint8_t *data, size_t size, int pauseEvery, int offset) {
    KeyDecoder decoder{};
    int codes[keyDecodeMaxCodes];
    for (size_t i = 0; i < size; ++i) {
        check(codes, keyDecodeByte(&decoder, data[i], codes));
        if (pauseEvery > 0 && (i + offset) % pauseEvery == 0) {
            check(codes, keyDecodeFlush(&decoder, codes));
            if (keyDecodePending(&decoder))
                std::abort();
        }
    }
    check(codes, keyDecodeFlush(&decoder, codes));
    if (keyDecodePending(&decoder))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    run(data, size, 0, 0);  // all at once, one pause at the end
    if (size > 0)  // and with pauses inside, where the first byte says
        run(data + 1, size - 1, data[0] % 7 + 1, data[0] / 7);
    return 0;
}
