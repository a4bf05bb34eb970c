#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

class TDictionary;
class TDictWord;

// Looking at a loaded dictionary the way its readers meet it.

// Places where a dictionary that loads still lets its readers down, one line
// each, naming the headword or description: a letter's headwords out of the
// order the search box assumes, a link to a word id that no headword has (the
// smiley guide's -1 aside), a description that no headword uses.
QStringList dictionaryWarnings(const TDictionary &dictionary);

// A caption for the terminal: the stressed letter followed by a combining
// acute accent instead of the '|' before it.
QString captionWithStress(QByteArrayView caption);

// A headword's page as plain text: the caption, the description's lines (links
// as [text], indents as spaces), then "Синонимы:" and the other headwords that
// share the description. Control characters show as \xHH.
QString headwordAsText(const TDictionary &dictionary, const TDictWord &word);
