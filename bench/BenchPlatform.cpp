#include "BenchPlatform.h"

using namespace Qt::StringLiterals;

namespace quillon::bench {

Platform::Answer BenchPlatform::messageBox(QWidget *, const QString &text, const QString &, Icon, Buttons buttons)
{
    unexpectedBoxes.append(text);
    return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
}

QString BenchPlatform::saveFileName(QWidget *, const SaveDialogRequest &)
{
    return savePath;
}

QString BenchPlatform::readSetting(const QString &section, const QString &key)
{
    return m_store.value(section + u'/' + key);
}

bool BenchPlatform::writeSetting(const QString &section, const QString &key, const QString &value)
{
    m_store.insert(section + u'/' + key, value);
    return true;
}

QDate BenchPlatform::today()
{
    return QDate::currentDate();
}

} // namespace quillon::bench
