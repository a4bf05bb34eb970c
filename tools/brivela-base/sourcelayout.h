#pragma once

#include <QString>

#include <array>

// The files of a word base source folder, relative to the folder.
namespace SourceLayout {

inline const QString Manifest = QStringLiteral("wordbase.txt");
inline const QString Words = QStringLiteral("words");
inline const QString Anecdotes = QStringLiteral("anecdotes.txt");
inline const QString Banners = QStringLiteral("banners.txt");
inline const QString BannerImages = QStringLiteral("banners");
inline const QString Refused = QStringLiteral("refused.txt");

// The four guides in word base order, and the manifest keys that may give a
// guide's exact bytes instead of its file.
inline const std::array<QString, 4> GuideFiles
    = {QStringLiteral("guides/smileys.txt"), QStringLiteral("guides/acronyms.txt"), QStringLiteral("guides/users.txt"),
       QStringLiteral("guides/extensions.txt")};
inline const std::array<QString, 4> GuideKeys
    = {QStringLiteral("smileys"), QStringLiteral("acronyms"), QStringLiteral("users"), QStringLiteral("extensions")};
inline const QString RefusedKey = QStringLiteral("refused");
inline const QString EditionKey = QStringLiteral("edition");
inline const QString TrailingKey = QStringLiteral("trailing");

} // namespace SourceLayout
