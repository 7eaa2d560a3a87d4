#pragma once

#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QWidget>

class QTableView;
class QSortFilterProxyModel;
class RecordTableModel;
class GridFooter;
class QLineEdit;
class QHBoxLayout;

// A column of a grid: the field it shows, its header, and the display format of
// its numbers (dates and times show as day/month/year hours:minutes:seconds).
struct GridColumn
{
    QString name; // the column's own name
    QString header;
    QString field;
    QString format; // a number display format; empty: the value as text
    bool hidden = false;
    bool stretch = false; // takes the width left, its long texts wrapping
};

// A figure computed over all the rows of a grid, shown in its footer under a column.
struct GridSummary
{
    enum Kind { Count, Sum };
    Kind kind = Count;
    QString field; // summed field (Sum)
    QString format; // display format of the figure
    QString column; // name of the column it stands under
};

// The one grid of the program: a read-only table over rows copied out of a query
// (or made by the program), in their own order, shown sorted by a column,
// with footer summaries, hidden columns, an optional filter row, and rows that
// grow in height with long text.
class DataGrid : public QWidget
{
    Q_OBJECT

public:
    explicit DataGrid(QWidget *parent = nullptr);

    void setColumns(const QList<GridColumn> &columns);
    void setSummaries(const QList<GridSummary> &summaries, bool footerVisible);
    void setFilterRowVisible(bool visible);
    void sortBy(const QString &columnName, Qt::SortOrder order);

    void setRows(const QList<QSqlRecord> &rows);
    const QList<QSqlRecord> &rows() const;
    int rowCount() const;

    // A summary's value (a number; 0 for a sum over no rows).
    double summary(int index) const;
    QString summaryText(int index) const;

    // The row in focus, as an index into rows(); -1 when none.
    int focusedRow() const;
    void focusRow(int row);

    // Moves the focus as a record navigator does, in the order shown.
    enum class Move { First, Prior, Next, Last };
    void moveFocus(Move move);

    QTableView *view() const { return m_view; }
    // The texts the grid shows, row by row in display order (for tests and printing).
    QStringList displayedRow(int displayRow) const;

signals:
    void focusedRowChanged(int row);

private:
    void updateFooter();

    QTableView *m_view;
    RecordTableModel *m_model;
    QSortFilterProxyModel *m_proxy;
    GridFooter *m_footer;
    QWidget *m_filterRow;
    QHBoxLayout *m_filterLayout;
    QList<QLineEdit *> m_filters;
    QList<GridSummary> m_summaries;
};
