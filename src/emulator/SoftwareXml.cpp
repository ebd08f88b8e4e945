// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/SoftwareXml.h"

#include <tinyxml.h>

#include "common/Prompter.h"
#include "common/RegularFile.h"
#include "common/TextSource.h"
#include "emulator/SoftwareSources.h"
#include "emulator/XmlDepth.h"

namespace corvane::softwarexml {

std::optional<std::vector<SoftwareDbFile>> databaseFilesToRead(const SoftwareSources& sources,
                                                               Prompter& prompter,
                                                               const TextSource& texts) {
    std::optional<std::vector<SoftwareDbFile>> files = sources.files();
    if (!files)
        prompter.message(texts.text("M_ERR_NO_CORVANE_DB"), MessageKind::Plain);
    return files;
}

namespace {

// The parser steps over the end of its text when the data stops inside a multi-byte sequence
// (up to four bytes at a time), so the text it gets is followed by more terminators than that.
constexpr size_t kParserPadding = 8;

// Line ends become LF, as the parser's own file loading does.
std::string normalisedLineEnds(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() + kParserPadding);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r') {
            out += bytes[i];
        } else {
            out += '\n';
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        }
    }
    return out;
}

}  // namespace

Load loadDocument(TiXmlDocument& document, const std::string& path) {
    const std::optional<std::string> bytes = readRegularFile(path);
    if (!bytes)
        return Load::Broken;
    if (nestsDeeperThan(*bytes, kDeepestDocument))
        return Load::TooDeep;
    std::string text = normalisedLineEnds(*bytes);
    text.append(kParserPadding, '\0');
    document.Parse(text.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    return !document.Error() && document.RootElement() != nullptr ? Load::Loaded : Load::Broken;
}

std::string_view text(const TiXmlElement* element) {
    const char* value = element ? element->GetText() : nullptr;
    return value ? std::string_view(value) : std::string_view();
}

std::string_view childText(const TiXmlElement& parent, const char* name) {
    return text(parent.FirstChildElement(name));
}

std::string_view name(const TiXmlElement& element) {
    return element.ValueStr();
}

bool isSha1Hash(const TiXmlElement& element, SoftwareDbShape shape) {
    if (name(element) != "hash")
        return false;
    const char* algo = element.Attribute("algo");
    if (!algo)
        return shape == SoftwareDbShape::OpenMsx;
    return std::string_view(algo) == "sha1";
}

std::string_view detailText(const TiXmlElement& element, SoftwareDbShape shape) {
    return text(shape == SoftwareDbShape::OpenMsx ? &element : element.FirstChildElement());
}

const TiXmlElement& mediaContainer(const TiXmlElement& dump, bool& isGroup) {
    const TiXmlElement* first = dump.FirstChildElement();
    isGroup = first && name(*first) == "group";
    return isGroup ? *first : dump;
}

bool isCartridge(std::string_view elementName) {
    return elementName == "rom" || elementName == "megarom" || elementName == "systemrom" ||
           elementName == "sccpluscart";
}

}  // namespace corvane::softwarexml
