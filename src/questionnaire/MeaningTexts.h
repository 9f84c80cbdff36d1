#pragma once
#include <QList>
#include <QString>
#include <QStringList>
namespace quillon {
// The interpretation text of every variant, trait by trait in page order, variants in index order.
struct TraitTexts { QString traitId; QStringList texts; };
const QList<TraitTexts> &interpretationTexts();
} // namespace quillon
