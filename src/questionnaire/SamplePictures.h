#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

namespace quillon {

// Every sample picture, decoded once when the questionnaire window is created,
// so changing pages never touches the picture data again.
class SamplePictures
{
public:
    // devicePixelRatio above 1 selects the pictures drawn at twice the size.
    explicit SamplePictures(qreal devicePixelRatio);

    // A null pixmap for the variants that have no picture.
    QPixmap picture(const QString &traitId, int variantIndex) const;
    int count() const { return int(m_pictures.size()); }

private:
    QHash<QString, QPixmap> m_pictures;
};

} // namespace quillon
