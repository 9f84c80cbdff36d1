#pragma once

#include "Samples.h"

#include <QDir>
#include <QString>

namespace assetgen {

// Review sheets, one per trait: the pictures with their captions (at 2x and
// at 1x), and a "blind" set labelled only with shuffled letters plus a key.
// The pictures are read back from the written files in `samplesDir`.
bool writeContactSheets(const QList<SampleDef> &samples, const QDir &samplesDir, const QString &folder,
                        QString *error);

} // namespace assetgen
