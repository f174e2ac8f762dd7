#ifndef ULVOCALCMODEL_H
#define ULVOCALCMODEL_H

#include <QAbstractListModel>
#include <QStringList>

// One row per attached calculator (its device name), in the order they were attached, plus the
// selected row. Every change of selection or of the number of rows is reported through
// indexOrSizeChange, which is the only signal the session follows.
class UlvoCalcModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY indexOrSizeChange)

public:
    explicit UlvoCalcModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    int currentIndex() const { return m_currentIndex; }
    void setCurrentIndex(int index);

    Q_INVOKABLE QString getName() const;

    // Replaces the names silently: meant to be called once, before any view is attached.
    void initialize(const QStringList &names);
    void pushBack(const QString &name);
    void deleteAt(int row);
    void changeName(const QString &name);
    // Renames one row, selected or not (a calculator whose first contact has just ended).
    void changeNameAt(int row, const QString &name);

signals:
    void indexOrSizeChange(int newIndex);

private:
    bool isCurrentRowValid() const;

    QStringList m_names;
    int m_currentIndex = -1;
};

#endif // ULVOCALCMODEL_H
