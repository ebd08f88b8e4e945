// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/SoftwareDbShape.h"

class TiXmlDocument;
class TiXmlElement;

namespace corvane {
class Prompter;
class SoftwareSources;
struct SoftwareDbFile;
class TextSource;
}  // namespace corvane

// Reading the software databases: the few rules the index and the entry search must apply
// identically.
namespace corvane::softwarexml {

// The files of the sources, showing M_ERR_NO_CORVANE_DB when the Databases folder holds none.
std::optional<std::vector<SoftwareDbFile>> databaseFilesToRead(const SoftwareSources& sources,
                                                               Prompter& prompter,
                                                               const TextSource& texts);
// A software database nests a handful of levels; a document deeper than this is no database and
// would exhaust the parser's stack.
inline constexpr int kDeepestDocument = 64;

enum class Load {
    Loaded,
    Broken,   // not a regular file holding well-formed XML
    TooDeep,  // nested deeper than kDeepestDocument: never handed to the parser
};

// Loads a database file.
Load loadDocument(TiXmlDocument& document, const std::string& path);
// Text of the element's first child node when that node is text; empty otherwise.
std::string_view text(const TiXmlElement* element);
// Text of the first child element named name.
std::string_view childText(const TiXmlElement& parent, const char* name);
std::string_view name(const TiXmlElement& element);
// A "hash" element whose "algo" is "sha1"; in openMSX's database one without "algo" too.
bool isSha1Hash(const TiXmlElement& element, SoftwareDbShape shape);
// The text of a medium's "remark" or "start": that of its first child element in the primary
// emulator's files, its own in openMSX's.
std::string_view detailText(const TiXmlElement& element, SoftwareDbShape shape);
// A dump's media are the children of its first child element when that is a "group", else its
// own children. Later siblings of such a group are not media.
const TiXmlElement& mediaContainer(const TiXmlElement& dump, bool& isGroup);
// "rom", "megarom", "systemrom" and "sccpluscart" hold cartridge images.
bool isCartridge(std::string_view elementName);

}  // namespace corvane::softwarexml
