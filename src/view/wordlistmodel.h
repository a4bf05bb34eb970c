#pragma once

#include <QAbstractListModel>

// The word list's model: only a count of items. Each item stands for the word
// at its row in the selected letter's bucket and is painted from it, so the
// model holds no text at all.
class WordListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : m_count; }
    QVariant data(const QModelIndex &, int) const override { return {}; }

    // Drops items from the end or appends empty ones until there are n.
    void setCount(int n);

private:
    int m_count = 0;
};
