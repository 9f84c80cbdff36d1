#include "shell/UpdateReminder.h"

#include "links/WebLinks.h"
#include "platform/Platform.h"
#include "shell/AppInfo.h"

#include <QByteArray>

using namespace Qt::StringLiterals;

namespace quillon {

namespace reminder {

namespace {
constexpr char scrambleKey[] = "Quillon";
constexpr auto base64Options = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

QByteArray scramble(QByteArray bytes)
{
    const int keyLength = int(sizeof(scrambleKey)) - 1;
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(bytes[i] ^ scrambleKey[i % keyLength]);
    return bytes;
}
} // namespace

QString encode(const QString &plain)
{
    return QString::fromLatin1(scramble(plain.toUtf8()).toBase64(base64Options));
}

QString decode(const QString &encoded)
{
    const auto result = QByteArray::fromBase64Encoding(encoded.toLatin1(),
                                                       base64Options | QByteArray::AbortOnBase64DecodingErrors);
    if (!result)
        return {};
    return QString::fromUtf8(scramble(*result));
}

QString settingsSection()
{
    return u"Settings"_s;
}

QString encodedKey()
{
    return encode(u"Duration"_s);
}

QString encodeDate(const QDate &date)
{
    return encode(date.toString(Qt::ISODate));
}

QDate decodeDate(const QString &stored)
{
    return QDate::fromString(decode(stored), Qt::ISODate);
}

bool isDue(const QDate &stored, const QDate &today)
{
    const qint64 days = today.daysTo(stored); // negative when the stored date lies in the past
    return days < -14 || days > 14;
}

QString message()
{
    // A bare carriage return, as the box has always shown it.
    return u"There maybe an update to this software available"_s + QChar(13)
        + u"Do you want to check for an update?"_s;
}

} // namespace reminder

void UpdateReminder()
{
    Platform &system = platform();
    const QString stored = system.readSetting(reminder::settingsSection(), reminder::encodedKey());
    const QDate today = system.today();
    if (stored.isEmpty()) {
        // A first run asks nothing; so does every start with a store that keeps nothing.
        system.writeSetting(reminder::settingsSection(), reminder::encodedKey(), reminder::encodeDate(today));
        return;
    }
    const QDate storedDate = reminder::decodeDate(stored);
    if (!storedDate.isValid())
        return; // unreadable: leave it as it is and say nothing
    if (!reminder::isDue(storedDate, today))
        return;
    // Today is stored before asking, and a store that refuses it means no question: an
    // answer that cannot be remembered would bring the question back at every start.
    if (!system.writeSetting(reminder::settingsSection(), reminder::encodedKey(), reminder::encodeDate(today)))
        return;
    const auto answer = system.messageBox(nullptr, reminder::message(), applicationTitle(),
                                          Platform::Icon::Information, Platform::Buttons::YesNo);
    if (answer == Platform::Answer::Yes)
        OpenDownloadPage();
}

} // namespace quillon
