// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

namespace corvane {

class LanguageManager;
class PathRow;

// What a path field of the editor holds, which decides its chooser's filters and default
// extension.
enum class ChooserKind { InfoFile, Rom, Disk, Tape, Image };

// Gives the row's Browse button the chooser of its kind, titled with the field's caption.
void setEditorChooser(PathRow* row, ChooserKind kind, const QString& caption,
                      const LanguageManager& languages);

}  // namespace corvane
