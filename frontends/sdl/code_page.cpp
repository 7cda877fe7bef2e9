#include "frontends/sdl/code_page.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>
#include <utility>

namespace tallyrope {
namespace {

// glibc's CP1252 leaves these bytes without a character; Windows reads each as the C1 control
// of the same number (0x81 is U+0081), so text holding them survives a round trip.
bool isUnassigned(unsigned char byte) {
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

// A descriptor per conversion: iconv keeps state in it, so sharing one across threads is unsafe.
class Conversion {
  public:
    Conversion(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {
        if (descriptor_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~Conversion() { iconv_close(descriptor_); }
    Conversion(const Conversion&) = delete;
    Conversion& operator=(const Conversion&) = delete;

    // Converts from `in` onwards, appending to `out`, until the input ends (true) or iconv stops
    // at a sequence it cannot convert (false), which `in` then points at.
    bool run(const char*& in, std::size_t& left, std::string& out) {
        char chunk[256];
        while (left > 0) {
            char* source = const_cast<char*>(in);
            char* target = chunk;
            std::size_t room = sizeof chunk;
            const std::size_t result = iconv(descriptor_, &source, &left, &target, &room);
            out.append(chunk, target);
            in = source;
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                return false;
            }
        }
        return true;
    }

  private:
    iconv_t descriptor_;
};

} // namespace

bool toWindows1252(const std::string& utf8, std::string& bytes) {
    Conversion conversion("WINDOWS-1252", "UTF-8");
    std::string converted;
    const char* in = utf8.data();
    std::size_t left = utf8.size();
    while (!conversion.run(in, left, converted)) {
        const bool unassignedControl = left >= 2 && static_cast<unsigned char>(in[0]) == 0xC2 &&
                                       isUnassigned(static_cast<unsigned char>(in[1]));
        if (!unassignedControl) {
            return false;
        }
        converted += in[1];
        in += 2;
        left -= 2;
    }
    bytes = std::move(converted);
    return true;
}

std::string toUtf8(const std::string& bytes) {
    Conversion conversion("UTF-8", "WINDOWS-1252");
    std::string converted;
    const char* in = bytes.data();
    std::size_t left = bytes.size();
    // Only an unassigned byte stops the conversion; its C1 control is C2 and the byte in UTF-8.
    while (!conversion.run(in, left, converted)) {
        converted += '\xC2';
        converted += *in;
        ++in;
        --left;
    }
    return converted;
}

} // namespace tallyrope
