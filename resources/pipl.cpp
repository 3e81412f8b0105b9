#include "resources/pipl.h"

#include <cstring>
#include <sstream>

namespace {

class PiplWriter {
public:
    void u16(std::uint16_t v) {
        bytes_.push_back(static_cast<std::uint8_t>(v));
        bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void text(const char* s) { bytes_.insert(bytes_.end(), s, s + std::strlen(s)); }

    // One property: vendor '8BIM' and the key, both stored byte-reversed,
    // id 0, then the data padded with zeros to a multiple of 4. String
    // properties give the padded length, the others their natural size.
    void property(const char* key, const std::vector<std::uint8_t>& data, bool stringData) {
        const std::size_t padded = (data.size() + 3) / 4 * 4;
        text("MIB8");
        for (int i = 3; i >= 0; --i) bytes_.push_back(static_cast<std::uint8_t>(key[i]));
        u32(0);
        u32(static_cast<std::uint32_t>(stringData ? padded : data.size()));
        bytes_.insert(bytes_.end(), data.begin(), data.end());
        bytes_.resize(bytes_.size() + padded - data.size(), 0);
    }

    std::vector<std::uint8_t>& bytes() { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

std::vector<std::uint8_t> littleEndian(std::uint32_t v, int size) {
    std::vector<std::uint8_t> out;
    for (int i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    return out;
}

std::vector<std::uint8_t> twoShorts(std::uint16_t a, std::uint16_t b) {
    auto out = littleEndian(a, 2);
    const auto second = littleEndian(b, 2);
    out.insert(out.end(), second.begin(), second.end());
    return out;
}

std::vector<std::uint8_t> pascalString(const char* s) {
    const std::size_t n = std::strlen(s);
    std::vector<std::uint8_t> out(n + 1);
    out[0] = static_cast<std::uint8_t>(n);
    std::memcpy(out.data() + 1, s, n);
    return out;
}

std::vector<std::uint8_t> cString(const char* s) { return std::vector<std::uint8_t>(s, s + std::strlen(s) + 1); }

constexpr int kPropertyCount = 12;

}  // namespace

std::vector<std::uint8_t> windowsPiplBytes(const EffectIdentity& id) {
    PiplWriter w;
    w.u16(1);
    w.u32(0);
    w.u32(kPropertyCount);
    w.property("kind", littleEndian(static_cast<std::uint32_t>(id.kind), 4), false);
    w.property("name", pascalString(id.name), true);
    w.property("catg", pascalString(id.category), true);
    w.property("8664", cString(id.entryPoint), true);
    w.property("ePVR", twoShorts(id.piplVersionMajor, id.piplVersionMinor), false);
    w.property("eSVR", twoShorts(static_cast<std::uint16_t>(id.apiVersionMajor),
                                 static_cast<std::uint16_t>(id.apiVersionMinor)), false);
    w.property("eVER", littleEndian(id.packedVersion(), 4), false);
    w.property("eINF", littleEndian(id.effectInfoFlags, 2), false);
    w.property("eGLO", littleEndian(static_cast<std::uint32_t>(id.outFlags), 4), false);
    w.property("eGL2", littleEndian(static_cast<std::uint32_t>(id.outFlags2), 4), false);
    w.property("eMNA", pascalString(id.matchName), true);
    w.property("aeFL", littleEndian(static_cast<std::uint32_t>(id.reservedInfo), 4), false);
    return std::move(w.bytes());
}

std::string macPiplPlist(const EffectIdentity& id) {
    const char kind[] = {static_cast<char>(id.kind >> 24), static_cast<char>(id.kind >> 16),
                         static_cast<char>(id.kind >> 8), static_cast<char>(id.kind), 0};
    std::ostringstream out;
    auto entry = [&out](const char* key, const std::string& type, const std::string& value) {
        out << "    <key>" << key << "</key><" << type << ">" << value << "</" << type << ">\n";
    };
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
        << "<plist version=\"1.0\">\n<dict>\n";
    entry("kind", "string", kind);
    entry("name", "string", id.name);
    entry("catg", "string", id.category);
    entry("mi64", "string", id.entryPoint);
    entry("ePVR", "string", std::to_string(id.piplVersionMajor) + "." + std::to_string(id.piplVersionMinor));
    entry("eSVR", "string", std::to_string(id.apiVersionMajor) + "." + std::to_string(id.apiVersionMinor));
    entry("eVER", "integer", std::to_string(id.packedVersion()));
    entry("eINF", "integer", std::to_string(id.effectInfoFlags));
    entry("eGLO", "integer", std::to_string(static_cast<std::uint32_t>(id.outFlags)));
    entry("eGL2", "integer", std::to_string(static_cast<std::uint32_t>(id.outFlags2)));
    entry("eMNA", "string", id.matchName);
    entry("aeFL", "integer", std::to_string(id.reservedInfo));
    out << "</dict>\n</plist>\n";
    return out.str();
}
