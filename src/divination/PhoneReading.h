#pragma once
// The phone-number reading: a key from the number's 8th to 11th characters, and the row of
// that key in the table `shouji` of the dream data file.
//
//   number ──shoujiinfostr──> key "0".."79" ──queryPhoneReading──> title, verdict, content

#include <QString>

#include <optional>

namespace lumora {

class Query;

// The key of a phone number: characters 8 to 11 (from 1) of the trimmed number, read as a
// decimal number, remainder by 80, written without leading zeros ("0".."79"). Throws
// lumora::Error when there is no group (fewer than 8 characters) or the group is not a
// number; a group is a number when it is ASCII digits only (a sign is refused, so the key
// always lies in 0..79).
QString shoujiinfostr(const QString& trimmedNumber);

// "select title,jx,content from shouji where num = '21'" (the key quoted the SQL way, inner
// quotes doubled).
QString phoneReadingSql(const QString& key);

struct PhoneReading {
    QString title;
    QString verdict;
    QString content;
};

// Runs the key's query on `query` (connection text already set); nothing when there is no
// row; throws lumora::Error when the data file fails.
std::optional<PhoneReading> queryPhoneReading(Query& query, const QString& key);

} // namespace lumora
