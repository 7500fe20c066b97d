#include "keydecode.h"

namespace {

enum State { ground, escape, csi, ss3, linuxFunction, utf8 };

const int esc = 27;
const int extended = 224;    // prefix of the cursor and editing block
const int function = 0;      // prefix of F1-F10 and the Alt keys
const int unknownChar = '?';

// Scan codes that follow a prefix.
const int scanUp = 72, scanDown = 80, scanRight = 77, scanLeft = 75;
const int scanHome = 71, scanEnd = 79, scanInsert = 82, scanDelete = 83;
const int scanPageUp = 73, scanPageDown = 81;
const int scanF1 = 59, scanF11 = 133, scanF12 = 134;
const int scanBackTab = 15, scanCtrl2 = 3;

// Alt with a letter: the letter key's scan code, a to z.
const int altLetter[26] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                           49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};

int emit(int *codes, int count, int code) {
    codes[count] = code;
    return count + 1;
}

int emitPair(int *codes, int count, int prefix, int scan) {
    count = emit(codes, count, prefix);
    return emit(codes, count, scan);
}

// The Alt code of the key sent as ESC then byte; 0 when it has none.
int altCode(unsigned char byte) {
    if (byte >= 'a' && byte <= 'z')
        return altLetter[byte - 'a'];
    if (byte >= 'A' && byte <= 'Z')
        return altLetter[byte - 'A'];
    if (byte >= '1' && byte <= '9')
        return 120 + (byte - '1');
    switch (byte) {
    case '0': return 129;
    case '-': return 130;
    case '=': return 131;
    case 0x7F:
    case 0x08: return 14;   // Backspace
    case '\r': return 28;   // Enter
    case '\t': return 165;
    default: return 0;
    }
}

// Letters that end a cursor key in both CSI and SS3 form.
int cursorScan(unsigned char final) {
    switch (final) {
    case 'A': case 'a': return scanUp;  // lower case: rxvt's modified arrows
    case 'B': case 'b': return scanDown;
    case 'C': case 'c': return scanRight;
    case 'D': case 'd': return scanLeft;
    case 'H': return scanHome;
    case 'F': return scanEnd;
    default: return 0;
    }
}

// The key of ESC [ number ~ (rxvt ends modified ones with ^ $ @ instead).
int tildeKey(int number, int *codes, int count) {
    switch (number) {
    case 1: case 7: return emitPair(codes, count, extended, scanHome);
    case 2: return emitPair(codes, count, extended, scanInsert);
    case 3: return emitPair(codes, count, extended, scanDelete);
    case 4: case 8: return emitPair(codes, count, extended, scanEnd);
    case 5: return emitPair(codes, count, extended, scanPageUp);
    case 6: return emitPair(codes, count, extended, scanPageDown);
    case 23: return emitPair(codes, count, extended, scanF11);
    case 24: return emitPair(codes, count, extended, scanF12);
    default: break;
    }
    // F1-F5 are 11-15, F6-F10 17-21: the gap is the old terminals' own.
    if (number >= 11 && number <= 15)
        return emitPair(codes, count, function, scanF1 + number - 11);
    if (number >= 17 && number <= 21)
        return emitPair(codes, count, function, scanF1 + 5 + number - 17);
    return count;
}

int csiKey(KeyDecoder *d, unsigned char final, int *codes, int count) {
    if (d->foreign)
        return count;
    if (final == 'R' && d->owedReports > 0) {  // the answer to a question, no key
        d->owedReports--;
        return count;
    }
    if (int scan = cursorScan(final))
        return emitPair(codes, count, extended, scan);
    if (final >= 'P' && final <= 'S')  // F1-F4 with modifiers: ESC [ 1 ; 2 P
        return emitPair(codes, count, function, scanF1 + final - 'P');
    if (final == 'Z')
        return emitPair(codes, count, function, scanBackTab);
    if (final == '~' || final == '^' || final == '$' || final == '@')
        return tildeKey(d->params[0], codes, count);
    return count;
}

int ss3Key(const KeyDecoder *d, unsigned char final, int *codes, int count) {
    if (d->foreign)
        return count;
    if (int scan = cursorScan(final))
        return emitPair(codes, count, extended, scan);
    if (final >= 'P' && final <= 'S')
        return emitPair(codes, count, function, scanF1 + final - 'P');
    if (final == 'M')  // the keypad's Enter
        return emit(codes, count, 13);
    // The keypad in application mode: * + , - . / and 0-9 at j-y, = at X.
    if (final >= 'j' && final <= 'y')
        return emit(codes, count, '*' + final - 'j');
    if (final == 'X')
        return emit(codes, count, '=');
    return count;
}

// A number byte of a CSI or SS3 sequence; false when byte is none.
bool takeParameter(KeyDecoder *d, unsigned char byte) {
    if (byte >= '0' && byte <= '9') {
        if (d->param < 2 && d->params[d->param] < 10000)
            d->params[d->param] = d->params[d->param] * 10 + (byte - '0');
        return true;
    }
    if (byte == ';' || byte == ':') {
        d->param++;
        return true;
    }
    return false;
}

void startSequence(KeyDecoder *d, int state) {
    d->state = state;
    d->length = 0;
    d->params[0] = d->params[1] = 0;
    d->param = 0;
    d->foreign = false;
}

int groundByte(KeyDecoder *d, unsigned char byte, int *codes, int count) {
    if (byte == esc) {
        d->state = escape;
        return count;
    }
    if (byte == '\r' || byte == '\n')
        return emit(codes, count, 13);
    if (byte == 0x7F || byte == 0x08)
        return emit(codes, count, 8);
    if (byte == 0)  // Ctrl-Space: on Windows the pair of Ctrl-2
        return emitPair(codes, count, function, scanCtrl2);
    if (byte < 0x80)
        return emit(codes, count, byte);
    int need = byte >= 0xC2 && byte <= 0xDF ? 1
             : byte >= 0xE0 && byte <= 0xEF ? 2
             : byte >= 0xF0 && byte <= 0xF4 ? 3 : 0;
    if (need == 0)  // a byte no UTF-8 character starts with
        return emit(codes, count, unknownChar);
    d->state = utf8;
    d->need = need;
    return count;
}

}  // namespace

void keyDecodeReset(KeyDecoder *decoder) {
    *decoder = KeyDecoder{};
}

bool keyDecodePending(const KeyDecoder *decoder) {
    return decoder->state != ground;
}

int keyDecodeByte(KeyDecoder *d, unsigned char byte, int *codes) {
    int count = 0;
    switch (d->state) {
    case ground:
        return groundByte(d, byte, codes, count);
    case escape:
        if (byte == '[') {
            startSequence(d, csi);
            return count;
        }
        if (byte == 'O') {
            startSequence(d, ss3);
            return count;
        }
        if (byte == esc)  // Esc, and the next may begin a sequence
            return emit(codes, count, esc);
        if (int alt = altCode(byte)) {
            d->state = ground;
            return emitPair(codes, count, function, alt);
        }
        // Esc, then a key of its own.
        count = emit(codes, count, esc);
        d->state = ground;
        return groundByte(d, byte, codes, count);
    case csi:
        if (d->length++ == 0 && byte == '[') {  // the Linux console's F1-F5
            startSequence(d, linuxFunction);
            return count;
        }
        if (takeParameter(d, byte))
            return count;
        if (byte >= 0x20 && byte <= 0x3F) {  // private markers, intermediates
            d->foreign = true;
            return count;
        }
        d->state = ground;
        if (byte >= 0x40 && byte <= 0x7E)
            return csiKey(d, byte, codes, count);
        return groundByte(d, byte, codes, count);  // cut short: drop it
    case ss3:
        d->length++;
        if (takeParameter(d, byte))
            return count;
        d->state = ground;
        if (byte >= 0x40 && byte <= 0x7E)
            return ss3Key(d, byte, codes, count);
        return groundByte(d, byte, codes, count);
    case linuxFunction:
        d->state = ground;
        if (byte >= 'A' && byte <= 'E')
            return emitPair(codes, count, function, scanF1 + byte - 'A');
        if (byte >= 0x40 && byte <= 0x7E)
            return count;
        return groundByte(d, byte, codes, count);
    case utf8:
        if (byte >= 0x80 && byte <= 0xBF) {
            if (--d->need == 0) {
                d->state = ground;
                return emit(codes, count, unknownChar);
            }
            return count;
        }
        // A character cut short counts as one, then the byte begins anew.
        count = emit(codes, count, unknownChar);
        d->state = ground;
        return groundByte(d, byte, codes, count);
    }
    return count;
}

int keyDecodeFlush(KeyDecoder *d, int *codes) {
    int count = 0;
    switch (d->state) {
    case escape:
        count = emit(codes, count, esc);
        break;
    case csi:  // ESC [ and nothing more: Alt with [
        if (d->length == 0)
            count = emitPair(codes, count, function, 26);
        break;
    case ss3:  // ESC O and nothing more: Alt with O
        if (d->length == 0)
            count = emitPair(codes, count, function, altLetter['o' - 'a']);
        break;
    case utf8:
        count = emit(codes, count, unknownChar);
        break;
    default:
        break;
    }
    d->state = ground;
    return count;
}
