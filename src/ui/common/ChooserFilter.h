// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace corvane {

// Chooser filters are kept in the "Name (*.a,*.b)|*.a;*.b|Other (*.*)|*.*||" form the
// catalogue texts are written for; Qt wants "Name (*.a *.b);;Other (*)".
class ChooserFilter {
public:
    // One Qt name filter per entry. The patterns come from each entry's pattern part, since
    // that is what selects files; the bracket of the name is rebuilt from them.
    static QStringList toQtList(const QString& chooserFilter);
    // The same entries joined with ";;", for the static QFileDialog functions.
    static QString toQt(const QString& chooserFilter);
};

}  // namespace corvane
