// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/SoftwareXml.h"

#include <sys/stat.h>
#include <tinyxml.h>

#include "common/Prompter.h"
#include "common/TextSource.h"
#include "emulator/EmulatorInstallation.h"

namespace corvane::softwarexml {

std::optional<std::vector<std::string>> databaseFilesToRead(
    const EmulatorInstallation& installation, Prompter& prompter, const TextSource& texts) {
    if (!installation.isValid(true))
        return std::vector<std::string>{};
    std::optional<std::vector<std::string>> files = installation.databaseFiles();
    if (!files || files->empty()) {
        prompter.message(texts.text("M_ERR_NO_CORVANE_DB"), MessageKind::Plain);
        return std::nullopt;
    }
    return files;
}

bool loadDocument(TiXmlDocument& document, const std::string& path) {
    // The parser sizes its buffer by seeking to the end; a directory would report a bogus size.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    return document.LoadFile(path, TIXML_DEFAULT_ENCODING) && document.RootElement() != nullptr;
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

bool isSha1Hash(const TiXmlElement& element) {
    const char* algo = element.Attribute("algo");
    return name(element) == "hash" && algo && std::string_view(algo) == "sha1";
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
