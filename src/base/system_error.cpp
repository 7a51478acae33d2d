// System error messages decoded from the locale's character encoding.
#include "base/system_error.h"

#include "base/text1250.h"

#include <cstring>
#include <iconv.h>
#include <langinfo.h>

namespace rq::base {
namespace {

// text in the named encoding as UTF-8; the text itself when the encoding is
// unknown to the converter.
std::string toUtf8(const std::string& text, const char* encoding) {
    iconv_t converter = iconv_open("UTF-8", encoding);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return text;
    std::string input = text;
    std::string output(text.size() * 4 + 4, '\0');
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1))
        return text;
    output.resize(output.size() - outLeft);
    return output;
}

} // namespace

std::string systemErrorText(int error) {
    // Both calls follow the calling thread's locale.
    char buffer[256];
    return systemText(strerror_r(error, buffer, sizeof buffer));
}

std::string systemText(const std::string& text) {
    return utf8ToCp1250(toUtf8(text, nl_langinfo(CODESET)));
}

} // namespace rq::base
