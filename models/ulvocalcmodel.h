#ifndef ULVOCALCMODEL_H
#define ULVOCALCMODEL_H

#include <QAbstractListModel>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QVariantList>

// One row per attached calculator (its device name), in the order they were attached, plus the
// current row (the one whose files are shown). Every change of the current row or of the number
// of rows is reported through indexOrSizeChange, which is the only signal the session follows for
// the file list. Besides the current row a set of selected rows is kept, for operations on several
// calculators at once; it always holds the current row.
class UlvoCalcModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY indexOrSizeChange)
    Q_PROPERTY(int selectedCount READ selectedCount NOTIFY selectionChange)
    // The selected rows, for views: a change of selection announces no change of row data.
    Q_PROPERTY(QVariantList selection READ selection NOTIFY selectionChange)

public:
    enum Role {
        // How the row's calculator's last operation went: a CalcState::Result as int.
        ResultRole = Qt::UserRole + 1,
        ResultTextRole,
        // Percent done of the running operation, -1 when none runs or nothing is known yet.
        PercentRole,
    };

    explicit UlvoCalcModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    QHash<int, QByteArray> roleNames() const override;

    int currentIndex() const { return m_currentIndex; }
    // A plain click: the row becomes current and the only one selected.
    void setCurrentIndex(int index);

    int selectedCount() const { return m_selected.size(); }
    // Selected rows in ascending order.
    QList<int> selectedRows() const;
    QVariantList selection() const;
    Q_INVOKABLE bool isSelected(int row) const;
    // Ctrl+click: adds or takes away the row; it becomes current when it stays selected. The last
    // selected row stays.
    Q_INVOKABLE void toggleSelected(int row);
    // Shift+click: selects every row from the last plainly clicked one to this, which becomes
    // current.
    Q_INVOKABLE void extendSelection(int row);
    Q_INVOKABLE void selectAll();
    void setRowState(int row, int result, const QString &text, int percent);

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
    void selectionChange();

private:
    struct RowState {
        int result = 0;
        QString text;
        int percent = -1;
    };
    bool isCurrentRowValid() const;
    void setSelection(const QSet<int> &rows);
    void moveCurrent(int row);
    void emitRowsChanged(int first, int last, const QVector<int> &roles);

    QStringList m_names;
    QList<RowState> m_states;
    QSet<int> m_selected;
    int m_anchor = -1;
    int m_currentIndex = -1;
};

#endif // ULVOCALCMODEL_H
