#include "Windows1252.h"

#include <cerrno>
#include <iconv.h>

namespace torval::cli {

namespace {

class Converter {
public:
    Converter() : handle_(iconv_open("UTF-8", "WINDOWS-1252")) {}
    ~Converter() {
        if (isOpen()) {
            iconv_close(handle_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool isOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can and returns false at a byte without a character, leaving
    // `in` on that byte.
    bool convert(std::string_view& in, std::string& out) {
        char buffer[256];
        while (!in.empty()) {
            char* source = const_cast<char*>(in.data());
            std::size_t sourceLeft = in.size();
            char* target = buffer;
            std::size_t targetLeft = sizeof buffer;
            const std::size_t result = iconv(handle_, &source, &sourceLeft, &target, &targetLeft);
            out.append(buffer, static_cast<std::size_t>(target - buffer));
            in.remove_prefix(in.size() - sourceLeft);
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                return false;
            }
        }
        return true;
    }

private:
    iconv_t handle_;
};

} // namespace

std::string windows1252ToUtf8(std::string_view text) {
    Converter converter;
    if (!converter.isOpen()) {
        return std::string(text);
    }
    std::string utf8;
    while (!converter.convert(text, utf8)) {
        utf8 += '?';
        text.remove_prefix(1);
    }
    return utf8;
}

} // namespace torval::cli
