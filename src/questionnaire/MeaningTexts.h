#pragma once
#include <QList>
#include <QString>
#include <QStringList>
namespace quillon {
// One variant's caption (stored notation, as in the trait catalogue) and its interpretation text.
struct VariantText { QString caption; QString text; };
// The interpretation text of every variant, trait by trait in page order, variants in index order.
struct TraitTexts {
    QString traitId;
    QList<VariantText> variants;
    QStringList texts() const; // the texts alone, in variant order
};
const QList<TraitTexts> &interpretationTexts();
} // namespace quillon
