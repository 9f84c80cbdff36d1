#include "platform/PathText.h"

#include <QDir>

namespace quillon {

namespace {

// Cuts never split a character made of two UTF-16 units.
QString leftPart(const QString &text, qsizetype count)
{
    if (count > 0 && count < text.size() && text.at(count - 1).isHighSurrogate())
        --count;
    return text.left(std::max<qsizetype>(count, 0));
}

QString rightPart(const QString &text, qsizetype count)
{
    if (count > 0 && count < text.size() && text.at(text.size() - count).isLowSurrogate())
        --count;
    return text.right(std::max<qsizetype>(count, 0));
}

} // namespace

QString elidedPath(const QString &path, qsizetype maxChars)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (shown.size() <= maxChars)
        return shown;
    const QString mark(QChar(0x2026));
    const qsizetype cut = shown.lastIndexOf(QDir::separator());
    QString name = cut >= 0 ? shown.mid(cut) : shown; // the file name with its separator
    const qsizetype nameRoom = cut < 0 ? maxChars : maxChars * 2 / 3;
    if (name.size() > nameRoom) {
        const qsizetype tail = nameRoom / 2;
        name = leftPart(name, nameRoom - tail - 1) + mark + rightPart(name, tail);
    }
    if (cut < 0)
        return name;
    return leftPart(shown, maxChars - name.size() - 1) + mark + name;
}

} // namespace quillon
