// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TiXmlDocument;
class TiXmlElement;

namespace corvane {
class EmulatorInstallation;
class Prompter;
class TextSource;
}  // namespace corvane

// Reading the primary emulator's software databases: the few rules the index and the entry
// search must apply identically.
namespace corvane::softwarexml {

// Names of the XML files to read from the Databases folder, in listing order: none for an
// installation that is not valid; nothing at all for a folder holding none, which the user is to
// be told with M_ERR_NO_CORVANE_DB.
std::optional<std::vector<std::string>> databaseFileList(const EmulatorInstallation& installation);
// The same, showing M_ERR_NO_CORVANE_DB when there is nothing.
std::optional<std::vector<std::string>> databaseFilesToRead(
    const EmulatorInstallation& installation, Prompter& prompter, const TextSource& texts);
// Loads a database file; false for anything that is not a regular file holding well-formed XML.
bool loadDocument(TiXmlDocument& document, const std::string& path);
// Text of the element's first child node when that node is text; empty otherwise.
std::string_view text(const TiXmlElement* element);
// Text of the first child element named name.
std::string_view childText(const TiXmlElement& parent, const char* name);
std::string_view name(const TiXmlElement& element);
// A "hash" element whose "algo" is "sha1".
bool isSha1Hash(const TiXmlElement& element);
// A dump's media are the children of its first child element when that is a "group", else its
// own children. Later siblings of such a group are not media.
const TiXmlElement& mediaContainer(const TiXmlElement& dump, bool& isGroup);
// "rom", "megarom", "systemrom" and "sccpluscart" hold cartridge images.
bool isCartridge(std::string_view elementName);

}  // namespace corvane::softwarexml
