// The pass over the text that finds what a parsed document may still not hold, against the
// same faults found by walking the tree pugixml builds: on every document pugixml accepts,
// both find the same first fault, or neither finds one. The first byte sets the depth limit.
#include <pugixml.hpp>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "services/XMLParser.h"

namespace {

enum class Fault { None, Deep, Twice, LessThan };

Fault KindOf(const orv::xml::MarkupFault& fault) {
    if (!fault) return Fault::None;
    if (fault.reason.starts_with("elements nested")) return Fault::Deep;
    if (fault.reason.find("twice") != std::string::npos) return Fault::Twice;
    return Fault::LessThan;
}

// The first fault in document order: an element too deep before its attributes, then each
// attribute's value before its name.
Fault TreeFault(const pugi::xml_document& doc, int limit) {
    struct Frame {
        pugi::xml_node node;
        int depth;
    };
    std::vector<Frame> pending;
    for (pugi::xml_node n = doc.last_child(); n; n = n.previous_sibling()) pending.push_back({n, 1});
    while (!pending.empty()) {
        const Frame f = pending.back();
        pending.pop_back();
        if (f.node.type() != pugi::node_element) continue;
        if (f.depth > limit) return Fault::Deep;
        std::unordered_set<std::string_view> names;
        for (pugi::xml_attribute a = f.node.first_attribute(); a; a = a.next_attribute()) {
            if (std::string_view(a.value()).find('<') != std::string_view::npos) return Fault::LessThan;
            if (!names.insert(a.name()).second) return Fault::Twice;
        }
        for (pugi::xml_node c = f.node.last_child(); c; c = c.previous_sibling()) pending.push_back({c, f.depth + 1});
    }
    return Fault::None;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int limit = 1 + data[0] % 8;
    // Only text the readers would go on to parse: no NUL (where pugixml stops) or other
    // character XML forbids, and no document type declaration (refused before its markup
    // matters).
    std::string text;
    if (!orv::xml::ToUtf8Document(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), text)) return 0;
    if (text.find("<!DOCTYPE") != std::string::npos) return 0;
    pugi::xml_document doc;
    std::string parsed = text;
    // Values as written (no references expanded), which is what the pass over the text sees.
    if (!doc.load_buffer_inplace(parsed.data(), parsed.size(), pugi::parse_minimal, pugi::encoding_utf8)) return 0;
    if (KindOf(orv::xml::FindMarkupFault(text, limit)) != TreeFault(doc, limit)) std::abort();
    return 0;
}
