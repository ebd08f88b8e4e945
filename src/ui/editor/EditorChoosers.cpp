// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editor/EditorChoosers.h"

#include <QString>

#include "i18n/LanguageManager.h"
#include "ui/common/TextCodec.h"
#include "ui/settings/PathRow.h"

namespace corvane {

namespace {

struct Chooser {
    const char* typeKey;   // none: only "All Files"
    const char* patterns;  // follows the type's name
    const char* suffix;
};

Chooser chooserOf(ChooserKind kind) {
    switch (kind) {
        case ChooserKind::InfoFile:
            break;
        case ChooserKind::Rom:
            return {"L_ROM_IMAGE",
                    " (*.rom,*.ri,*.mx1,*mx2,*.col,*.sc,*.sg,*.sms,*.zip)|"
                    "*.rom;*.ri;*.mx1;*.mx2;*.col;*.sc;*.sg;*.sms;*.zip|",
                    "rom"};
        case ChooserKind::Disk:
            return {"L_DISK_IMAGE",
                    " (*.dsk,*.di1,*.di2,*.360,*.720,*.sf7,*.zip)|"
                    "*.dsk;*.di1;*.di2;*.360;*.720;*.sf7;*.zip|",
                    "dsk"};
        case ChooserKind::Tape:
            return {"L_TAPE_IMAGE", " (*.cas,*.zip)|*.cas;*.zip|", "cas"};
        case ChooserKind::Image:
            return {"L_IMAGES", " (*.png,*.bmp,*.jpg,*.gif)|*.png;*.bmp;*.jpg;*.gif|", "png"};
    }
    return {nullptr, "", "htm"};
}

}  // namespace

void setEditorChooser(PathRow* row, ChooserKind kind, const QString& caption,
                      const LanguageManager& languages) {
    const Chooser chooser = chooserOf(kind);
    QString filter;
    if (chooser.typeKey)
        filter = catalogueText(languages, chooser.typeKey) + QString::fromLatin1(chooser.patterns);
    filter += catalogueText(languages, "L_ALL_FILES") + QStringLiteral(" (*.*)|*.*||");
    row->setFileChooser(caption, filter, QString::fromLatin1(chooser.suffix));
}

}  // namespace corvane
