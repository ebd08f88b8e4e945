// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/properties/PropertyRowsPage.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/common/CLocalized.h"
#include "ui/common/TextCodec.h"
#include "ui/properties/PropertiesIds.h"

namespace corvane {

int captionId(PropertyField field) {
    switch (field) {
        case PropertyField::Name:
            return kIdPropName;
        case PropertyField::Database:
        case PropertyField::XmlFile:
            return kIdPropDatabase;
        case PropertyField::File:
            return kIdPropFile;
        case PropertyField::InZip:
            return kIdPropInZip;
        case PropertyField::Medium:
            return kIdPropMedium;
        case PropertyField::Size:
            return kIdPropSize;
        case PropertyField::Sha1:
            return kIdPropSha1;
        case PropertyField::Company:
            return kIdPropCompany;
        case PropertyField::Year:
            return kIdPropYear;
        case PropertyField::Country:
            return kIdPropCountry;
        case PropertyField::Generation:
            return kIdPropGeneration;
        case PropertyField::Sound:
            return kIdPropSound;
        case PropertyField::Genre:
            return kIdPropGenre;
        case PropertyField::Title:
            return kIdPropTitle;
        case PropertyField::System:
            return kIdPropSystem;
        case PropertyField::GoodMsx:
            return kIdPropGoodMsx;
        case PropertyField::Mapper:
            return kIdPropMapper;
        case PropertyField::RomStart:
        case PropertyField::MediaStart:
            return kIdPropStart;
        case PropertyField::Remark:
            return kIdPropRemark;
    }
    return 0;
}

namespace {

// Wide enough for a whole SHA-1 and most names; a longer path scrolls in its field.
int minimumValueWidth(const QLineEdit& value) {
    constexpr int kCharacters = 44;
    return value.fontMetrics().horizontalAdvance(QString(kCharacters, QLatin1Char('0'))) +
           value.fontMetrics().averageCharWidth() * 2;
}

}  // namespace

PropertyRowsPage::PropertyRowsPage(std::vector<PropertyRow> rows, QWidget* parent)
    : QWidget(parent), rows_(std::move(rows)) {
    createWidgets();
}

void PropertyRowsPage::createWidgets() {
    auto* layout = new QFormLayout(this);
    layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (const PropertyRow& row : rows_) {
        auto* caption = new QLabel(this);
        CLocalized::setCatalogueId(caption, captionId(row.field));
        auto* value = new QLineEdit(fromBytes(row.value), this);
        value->setReadOnly(true);
        value->setMinimumWidth(minimumValueWidth(*value));
        // A long path shows its beginning, where the folders are told apart.
        value->setCursorPosition(0);
        caption->setBuddy(value);
        layout->addRow(caption, value);
        captions_.push_back(caption);
        values_.push_back(value);
    }
}

int PropertyRowsPage::indexOf(PropertyField field) const {
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].field == field)
            return static_cast<int>(i);
    }
    return -1;
}

QLabel* PropertyRowsPage::caption(PropertyField field) const {
    const int i = indexOf(field);
    return i < 0 ? nullptr : captions_[static_cast<size_t>(i)];
}

QLineEdit* PropertyRowsPage::value(PropertyField field) const {
    const int i = indexOf(field);
    return i < 0 ? nullptr : values_[static_cast<size_t>(i)];
}

}  // namespace corvane
