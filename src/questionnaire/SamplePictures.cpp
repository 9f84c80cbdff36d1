#include "questionnaire/SamplePictures.h"

#include "questionnaire/TraitCatalogue.h"
#include "shell/AppAssets.h"

#include <QImage>

using namespace Qt::StringLiterals;

namespace quillon {

namespace {

QString key(const QString &traitId, int variantIndex)
{
    return traitId + u'_' + QString::number(variantIndex);
}

// Kept in the format they were decoded in: the greyscale pictures then take a quarter of
// the memory of 32-bit copies, and they are drawn exactly the same.
QPixmap decode(const QString &path)
{
    return QPixmap::fromImage(QImage(path), Qt::NoFormatConversion);
}

} // namespace

SamplePictures::SamplePictures(qreal devicePixelRatio)
{
    const bool doubleSize = devicePixelRatio > 1.0;
    for (const TraitPage &trait : traitCatalogue()) {
        for (int i = 0; i < trait.variantCount(); ++i) {
            if (!trait.variants[i].hasPicture)
                continue;
            QPixmap pixmap = decode(samplePicturePath(trait.id, i, doubleSize));
            if (pixmap.isNull() && doubleSize)
                pixmap = decode(samplePicturePath(trait.id, i, false));
            else if (doubleSize)
                pixmap.setDevicePixelRatio(2.0);
            if (!pixmap.isNull())
                m_pictures.insert(key(trait.id, i), pixmap);
        }
    }
}

QPixmap SamplePictures::picture(const QString &traitId, int variantIndex) const
{
    return m_pictures.value(key(traitId, variantIndex));
}

} // namespace quillon
