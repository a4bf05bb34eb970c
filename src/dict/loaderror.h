#pragma once

#include <QString>

#include <stdexcept>

// A failure while reading a word base, carrying the message the user sees.
class LoadError : public std::runtime_error
{
public:
    explicit LoadError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) { }
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// The messages for a payload that breaks the format. The key is public, so a
// file that passes the MAC can still be hostile: every one of these ends the load.
namespace LoadMessages {
inline QString truncated() { return QStringLiteral("Файл brivela.dat поврежден: данные обрываются"); }
inline QString negativeLength() { return QStringLiteral("Файл brivela.dat поврежден: отрицательная длина"); }
inline QString lengthTooLarge() { return QStringLiteral("Файл brivela.dat поврежден: длина больше остатка данных"); }
inline QString badDescriptionIndex() { return QStringLiteral("Файл brivela.dat поврежден: неверный номер описания"); }
} // namespace LoadMessages
