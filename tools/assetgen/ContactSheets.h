#pragma once

#include "Samples.h"

#include <QDir>
#include <QString>

#include <cstdint>

namespace assetgen {

// Contact sheets, one per trait: the pictures with their captions, at 2x and
// (in the subfolder 1x) at 1x. The pictures are read back from the written
// files in `samplesDir`, clipped as their boxes show them.
bool writeContactSheets(const QList<SampleDef> &samples, const QDir &samplesDir, const QString &folder,
                        QString *error);

// Sheets for a blind review, one per trait: the pictures at 2x in an order
// shuffled by `seed`, each labelled only with a letter (<Trait>.png), the
// variant names in page order (<Trait>-names.txt), and apart from them the
// key from letters to variants (key.txt), which the reviewer is not given.
bool writeReviewSheets(const QList<SampleDef> &samples, const QDir &samplesDir, const QString &folder,
                       std::uint64_t seed, QString *error);

} // namespace assetgen
