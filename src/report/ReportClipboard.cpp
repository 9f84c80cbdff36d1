#include "report/ReportClipboard.h"

#include "platform/Platform.h"

#include <QStringList>

#include <utility>

namespace quillon {

namespace {

// Program-wide: report text copied from a window that has since closed is still report text.
QStringList &handedOut()
{
    static QStringList texts;
    return texts;
}

} // namespace

void noteReportTextHandedOut(const QString &text)
{
    if (!text.isEmpty() && !handedOut().contains(text))
        handedOut().append(text);
}

void clearReportTextFromClipboard()
{
    // Once asked, the clipboard no longer holds the text: it was removed, or replaced by
    // something else before.
    const QStringList texts = std::exchange(handedOut(), QStringList());
    for (const QString &text : texts)
        platform().clearClipboardIfItHolds(text);
}

} // namespace quillon
