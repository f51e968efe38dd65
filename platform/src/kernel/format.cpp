// wvsprintfA and wsprintfA: the Windows formatter, not the C library's. Output stops at 1023
// characters plus the terminator whatever the format asks for; only integers, characters and
// strings are known (no floats, no '*' widths). Flags '-', '0', '#'; a width; a precision
// (maximum characters of a string, minimum digits of a number); 'l' and 'h' prefixes. 'l'
// reads a 32-bit value as Windows' long is 32-bit. An unknown conversion writes its letter.
#include <cstring>
#include <cwchar>

#include <winuser.h>

namespace {

constexpr int maxOutput = 1024; // characters, the terminator included

class Output {
public:
    explicit Output(char* buffer) : buffer_(buffer) {}
    bool full() const { return length_ >= maxOutput - 1; }
    void put(char c) {
        if (!full()) {
            buffer_[length_++] = c;
        }
    }
    void repeat(char c, int n) {
        for (int i = 0; i < n; ++i) {
            put(c);
        }
    }
    int finish() {
        buffer_[length_] = '\0';
        return length_;
    }

private:
    char* buffer_;
    int length_ = 0;
};

struct Conversion {
    bool left = false;
    bool zero = false;
    bool alternate = false;
    int width = 0;
    int precision = -1;
    bool wide = false; // 'l' on c/s: a wide character or string
};

// Pads a field of 'length' characters on the side the flags ask for.
template <typename Body>
void field(Output& out, const Conversion& s, int length, Body body) {
    int pad = s.width > length ? s.width - length : 0;
    if (!s.left) {
        out.repeat(' ', pad);
    }
    body();
    if (s.left) {
        out.repeat(' ', pad);
    }
}

void number(Output& out, const Conversion& s, char type, unsigned int bits) {
    bool negative = (type == 'd' || type == 'i') && static_cast<int>(bits) < 0;
    unsigned int magnitude = negative ? 0u - bits : bits;
    unsigned int base = (type == 'x' || type == 'X') ? 16 : 10;
    const char* digitsOf = type == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
    char digits[16];
    int n = 0;
    do {
        digits[n++] = digitsOf[magnitude % base];
        magnitude /= base;
    } while (magnitude != 0);
    int precisionZeros = s.precision > n ? s.precision - n : 0;
    const char* prefix = negative ? "-" : "";
    if (s.alternate && base == 16) {
        prefix = type == 'X' ? "0X" : "0x";
    }
    int prefixLength = static_cast<int>(std::strlen(prefix));
    int length = prefixLength + precisionZeros + n;
    int zeroPad = (s.zero && !s.left && s.width > length) ? s.width - length : 0;
    field(out, s, length + zeroPad, [&] {
        for (const char* p = prefix; *p; ++p) {
            out.put(*p);
        }
        out.repeat('0', zeroPad + precisionZeros);
        while (n > 0) {
            out.put(digits[--n]);
        }
    });
}

void text(Output& out, const Conversion& s, const char* str) {
    if (str == nullptr) {
        str = "(null)";
    }
    int length = 0;
    while (str[length] != '\0' && (s.precision < 0 || length < s.precision)) {
        ++length;
    }
    field(out, s, length, [&] {
        for (int i = 0; i < length; ++i) {
            out.put(str[i]);
        }
    });
}

void wideText(Output& out, const Conversion& s, const wchar_t* str) {
    if (str == nullptr) {
        str = L"(null)";
    }
    int length = 0;
    while (str[length] != L'\0' && (s.precision < 0 || length < s.precision)) {
        ++length;
    }
    field(out, s, length, [&] {
        for (int i = 0; i < length; ++i) {
            out.put(str[i] < 0x100 ? static_cast<char>(str[i]) : '?');
        }
    });
}

} // namespace

extern "C" {

int WINAPI wvsprintfA(LPSTR buffer, LPCSTR format, va_list args) {
    if (buffer == nullptr) {
        return 0;
    }
    Output out(buffer);
    if (format == nullptr) {
        return out.finish();
    }
    va_list ap;
    va_copy(ap, args);
    const char* f = format;
    while (*f != '\0' && !out.full()) {
        if (*f != '%') {
            out.put(*f++);
            continue;
        }
        ++f;
        Conversion s;
        for (;; ++f) {
            if (*f == '-') {
                s.left = true;
            } else if (*f == '0') {
                s.zero = true;
            } else if (*f == '#') {
                s.alternate = true;
            } else {
                break;
            }
        }
        while (*f >= '0' && *f <= '9') {
            if (s.width < maxOutput) {
                s.width = s.width * 10 + (*f - '0');
            }
            ++f;
        }
        if (*f == '.') {
            s.precision = 0;
            for (++f; *f >= '0' && *f <= '9'; ++f) {
                if (s.precision < maxOutput) {
                    s.precision = s.precision * 10 + (*f - '0');
                }
            }
        }
        if (*f == 'l' || *f == 'L') {
            s.wide = true;
            ++f;
        } else if (*f == 'h' || *f == 'H') {
            ++f;
        }
        char type = *f;
        if (type == '\0') {
            break;
        }
        ++f;
        switch (type) {
        case 'd':
        case 'i':
        case 'u':
        case 'x':
        case 'X':
            number(out, s, type, va_arg(ap, unsigned int));
            break;
        case 'c':
        case 'C': {
            int c = va_arg(ap, int);
            char one[2] = {static_cast<char>(c), '\0'};
            s.precision = -1;
            field(out, s, 1, [&] { out.put(one[0]); });
            break;
        }
        case 's':
            if (s.wide) {
                wideText(out, s, va_arg(ap, const wchar_t*));
            } else {
                text(out, s, va_arg(ap, const char*));
            }
            break;
        case 'S':
            wideText(out, s, va_arg(ap, const wchar_t*));
            break;
        default:
            // "%%" and unknown conversions copy the character.
            out.put(type);
            break;
        }
    }
    va_end(ap);
    return out.finish();
}

int WINAPIV wsprintfA(LPSTR buffer, LPCSTR format, ...) {
    va_list args;
    va_start(args, format);
    int n = wvsprintfA(buffer, format, args);
    va_end(args);
    return n;
}

} // extern "C"
