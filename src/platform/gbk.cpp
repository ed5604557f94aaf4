#include "platform/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace quotexa {

namespace {

// The length of the UTF-8 sequence that starts with this byte (1 for a byte
// that cannot start one, so the conversion always moves on).
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

struct IconvCloser {
    void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
    std::unique_ptr<void, IconvCloser> converter(iconv_open("GBK", "UTF-8"));
    std::string gbk;
    if (converter.get() == reinterpret_cast<void*>(-1)) {
        converter.release();
        return gbk;
    }
    iconv_t handle = static_cast<iconv_t>(converter.get());
    gbk.reserve(utf8.size());
    // iconv takes a non-const input pointer but never writes through it.
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t converted = iconv(handle, &in, &inLeft, &out, &outLeft);
        gbk.append(buffer, static_cast<std::size_t>(out - buffer));
        if (converted != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // EILSEQ (no GBK form, or not UTF-8) or EINVAL (cut-off sequence at
        // the end): write "?" and skip one character.
        gbk.push_back('?');
        const std::size_t skip = std::min(inLeft, SequenceLength(static_cast<unsigned char>(*in)));
        in += skip;
        inLeft -= skip;
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
    }
    return gbk;
}

}  // namespace quotexa
