// Morvane Scrivel XML filer tests.
// Whether an index reads a document as the general parser does.
#include "IndexAgreement.h"

#include <pugixml.hpp>

namespace scrivel_test {

namespace {

constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_ws_pcdata_single | pugi::parse_embed_pcdata;

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

std::string compareAttributes(const morvane::XmlIndex &index, uint32_t e, pugi::xml_node node)
{
    for (const pugi::xml_attribute attribute : node.attributes()) {
        std::string_view value;
        if (!index.findAttribute(e, attribute.name(), value))
            return "no attribute " + quoted(attribute.name());
        // The first attribute of a name is the one both find.
        if (value != node.attribute(attribute.name()).value())
            return "attribute " + quoted(attribute.name()) + " is " + quoted(value);
    }
    return {};
}

std::string compare(const morvane::XmlIndex &index, uint32_t e, pugi::xml_node node)
{
    const std::string where = "<" + std::string(node.name()) + ">: ";
    if (index.name(e) != node.name())
        return where + "named " + quoted(index.name(e));
    if (index.value(e) != node.child_value())
        return where + "text " + quoted(index.value(e));
    if (std::string difference = compareAttributes(index, e, node); !difference.empty())
        return where + difference;
    uint32_t child = e + 1;
    for (const pugi::xml_node element : node.children()) {
        if (element.type() != pugi::node_element)
            continue;
        if (child >= index.end(e))
            return where + "child <" + element.name() + "> missing";
        if (std::string difference = compare(index, child, element); !difference.empty())
            return difference;
        child = index.end(child);
    }
    return child == index.end(e) ? std::string() : where + "more child elements";
}

} // namespace

std::string indexDisagreement(const morvane::XmlIndex &index, std::string_view text)
{
    pugi::xml_document document;
    if (!document.load_buffer(text.data(), text.size(), kParseOptions, pugi::encoding_auto))
        return "the parser refuses the document";
    int roots = 0;
    for (const pugi::xml_node node : document.children())
        roots += node.type() == pugi::node_element ? 1 : 0;
    if (roots != 1)
        return "the parser finds " + std::to_string(roots) + " root elements";
    return compare(index, 0, document.document_element());
}

} // namespace scrivel_test
