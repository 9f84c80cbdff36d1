#pragma once

#include <QDate>
#include <QString>

namespace quillon {

// Offers, at most once every fourteen days, to look for a newer version of the program.
void UpdateReminder();

namespace reminder {
// The stored date is kept in an encoded form of the program's own, key and value alike,
// so it is not mistaken for (or edited as) an ordinary setting.
QString encode(const QString &plain);
QString decode(const QString &encoded); // empty when the text is not one of ours
QString settingsSection();
QString encodedKey();
QString encodeDate(const QDate &date);
QDate decodeDate(const QString &stored); // invalid when the stored text is not a date
bool isDue(const QDate &stored, const QDate &today);
QString message();
} // namespace reminder

} // namespace quillon
