#include "view/wordlistmodel.h"

void WordListModel::setCount(int n)
{
    n = std::max(n, 0);
    if (n < m_count) {
        beginRemoveRows({}, n, m_count - 1);
        m_count = n;
        endRemoveRows();
    } else if (n > m_count) {
        beginInsertRows({}, m_count, n - 1);
        m_count = n;
        endInsertRows();
    }
}
